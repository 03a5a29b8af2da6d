#include "support/ChiSquare.h"

#include <cmath>
#include <stdexcept>

namespace {

// The regularized lower incomplete gamma function P(a, x): its series where
// it converges fast, else its continued fraction (modified Lentz).
double lowerGammaRatio(double a, double x)
{
    if (x <= 0)
        return 0;
    const double logPrefix = a * std::log(x) - x - std::lgamma(a);
    if (x < a + 1) {
        double term = 1 / a, sum = term;
        for (int n = 1; n < 10000 && std::abs(term) > std::abs(sum) * 1e-16; ++n) {
            term *= x / (a + n);
            sum += term;
        }
        return sum * std::exp(logPrefix);
    }
    constexpr double Tiny = 1e-300;
    double b = x + 1 - a, c = 1 / Tiny, d = 1 / b, fraction = d;
    for (int n = 1; n < 10000; ++n) {
        const double an = -n * (n - a);
        b += 2;
        d = an * d + b;
        d = std::abs(d) < Tiny ? Tiny : d;
        c = b + an / c;
        c = std::abs(c) < Tiny ? Tiny : c;
        d = 1 / d;
        const double step = d * c;
        fraction *= step;
        if (std::abs(step - 1) < 1e-16)
            break;
    }
    return 1 - std::exp(logPrefix) * fraction;
}

double chiSquareCdf(double x, int k)
{
    return lowerGammaRatio(k / 2.0, x / 2);
}

double chiSquareDensity(double x, int k)
{
    if (x <= 0)
        return 0;
    const double half = k / 2.0;
    return std::exp((half - 1) * std::log(x) - x / 2 - half * std::log(2.0) - std::lgamma(half));
}

} // namespace

double ChiSquareSum::mean() const
{
    double sum = 0;
    for (const Term &term : terms)
        sum += term.weight * term.degreesOfFreedom;
    return sum;
}

double ChiSquareSum::cdf(double x) const
{
    if (terms.size() == 1)
        return chiSquareCdf(x / terms[0].weight, terms[0].degreesOfFreedom);
    if (terms.size() != 2)
        throw std::invalid_argument("one or two terms");
    // P(w1 X + w2 Y <= x): the density of X against the distribution of Y,
    // by Simpson's rule; the density is smooth and the panels are many.
    const Term &first = terms[0], &second = terms[1];
    const double end = x / first.weight;
    constexpr int Panels = 4000;
    const double h = end / Panels;
    double sum = 0;
    for (int i = 0; i <= Panels; ++i) {
        const double u = i * h;
        const double value = chiSquareDensity(u, first.degreesOfFreedom)
            * chiSquareCdf((x - first.weight * u) / second.weight, second.degreesOfFreedom);
        sum += value * (i == 0 || i == Panels ? 1 : i % 2 ? 4 : 2);
    }
    return sum * h / 3;
}

double ChiSquareSum::quantile(double p) const
{
    double low = 0, high = mean();
    while (cdf(high) < p)
        high *= 2;
    for (int i = 0; i < 100 && high - low > 1e-9 * high; ++i) {
        const double middle = (low + high) / 2;
        (cdf(middle) < p ? low : high) = middle;
    }
    return (low + high) / 2;
}
