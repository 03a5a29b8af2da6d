#pragma once

#include <vector>

// The distribution of a Pearson chi-square statistic whose cells are not
// independent: a sum of independent chi-squares, each scaled by its weight.
// Counts of draws without replacement follow such a sum, not the textbook
// chi-square with one degree of freedom less than the cells.
struct ChiSquareSum {
    struct Term {
        double weight;
        int degreesOfFreedom;
    };
    std::vector<Term> terms; // one or two terms

    double mean() const;
    double cdf(double x) const;
    // The x below which the statistic lies with probability p, 0 < p < 1.
    double quantile(double p) const;
};

// The Pearson statistic over cells that each expect expected counts.
template <typename Counts>
double pearsonStatistic(const Counts &counts, double expected)
{
    double sum = 0;
    for (auto count : counts)
        sum += (double(count) - expected) * (double(count) - expected) / expected;
    return sum;
}
