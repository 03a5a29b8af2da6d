// The picks are fair: a million boards of each game through the real draw
// and the program's generator, seeded fixed so every run is the same run.
// Every board is valid, and the numbers, the pairs of numbers and the
// powerballs come up as evenly as chance has them: each chi-square lies
// between the 0.001 and 0.999 quantiles of its distribution.
#include "draw/BoardDraw.h"
#include "draw/Random.h"
#include "support/BoardCheck.h"
#include "support/ChiSquare.h"

#include <QTest>
#include <array>
#include <numeric>

using draw::BoardNumbers;

Q_DECLARE_METATYPE(ChiSquareSum)

namespace {

constexpr int Boards = 1000000;
constexpr int Balls = draw::HighestBall;
constexpr int PowerballHighest = 20;
constexpr std::uint64_t Seed = 20261210;
constexpr std::int16_t Untouched = 77;

// The chance that j given numbers all stand on a board of k distinct
// numbers from 1 to 49.
double allOn(int j, int k)
{
    double chance = 1;
    for (int i = 0; i < j; ++i)
        chance *= double(k - i) / (Balls - i);
    return chance;
}

// How the counts of a board's k numbers over the 49 cells spread: a board
// never repeats a number, so each cell varies less than a free draw would.
ChiSquareSum numbersStatistic(int k)
{
    return {{{double(Balls - k) / (Balls - 1), Balls - 1}}};
}

// How the counts of a board's pairs over the 1176 pairs spread. A board's
// pairs share numbers, so the counts are correlated: the statistic splits
// into the part the single numbers explain (48 degrees of freedom) and the
// rest (1127), each with its own weight.
ChiSquareSum pairsStatistic(int k)
{
    const double p2 = allOn(2, k), p3 = allOn(3, k), p4 = allOn(4, k);
    return {{{(p2 + (Balls - 4) * p3 - (Balls - 3) * p4) / p2, Balls - 1},
             {(p2 - 2 * p3 + p4) / p2, Balls * (Balls - 3) / 2}}};
}

int pairIndex(int a, int b)
{
    return (a - 1) * Balls + (b - 1);
}

QString boardText(const BoardNumbers &numbers)
{
    QStringList parts;
    for (std::int16_t n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

// The statistic lies within the middle 99.8% of its distribution.
void checkSpread(const char *what, double statistic, const ChiSquareSum &distribution)
{
    const double low = distribution.quantile(0.001), high = distribution.quantile(0.999);
    qInfo("%s: chi-square %.2f, mean %.2f, 0.001 quantile %.2f, 0.999 quantile %.2f", what, statistic,
          distribution.mean(), low, high);
    QVERIFY2(statistic > low && statistic < high, what);
}

} // namespace

class TestFairness : public QObject {
    Q_OBJECT
private slots:
    // The distributions the picks are judged by, against printed tables,
    // and a sum of two chi-squares of weight 1, which is a chi-square itself.
    void referenceDistributions_data()
    {
        QTest::addColumn<ChiSquareSum>("distribution");
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("quantile");
        QTest::newRow("1 df, 0.95") << ChiSquareSum{{{1, 1}}} << 0.95 << 3.841459;
        QTest::newRow("19 df, 0.001") << ChiSquareSum{{{1, 19}}} << 0.001 << 5.406816;
        QTest::newRow("19 df, 0.999") << ChiSquareSum{{{1, 19}}} << 0.999 << 43.820196;
        QTest::newRow("48 df, 0.999") << ChiSquareSum{{{1, 48}}} << 0.999 << 84.037134;
        QTest::newRow("48 df at weight 2, 0.999") << ChiSquareSum{{{2, 48}}} << 0.999 << 2 * 84.037134;
        QTest::newRow("19 + 29 df, 0.999") << ChiSquareSum{{{1, 19}, {1, 29}}} << 0.999 << 84.037134;
        QTest::newRow("48 + 1127 df, 0.001") << ChiSquareSum{{{1, 48}, {1, 1127}}} << 0.001 << 1030.875668;
    }

    void referenceDistributions()
    {
        QFETCH(ChiSquareSum, distribution);
        QFETCH(double, p);
        QFETCH(double, quantile);
        QVERIFY2(std::abs(distribution.quantile(p) - quantile) < 1e-4 * quantile,
                 qPrintable(QString::number(distribution.quantile(p), 'f', 6)));
    }

    void picks_data()
    {
        QTest::addColumn<bool>("powerball");
        QTest::newRow("Lotto") << false;
        QTest::newRow("Powerball") << true;
    }

    void picks()
    {
        QFETCH(bool, powerball);
        const int mains = powerball ? 5 : 6;
        // Each re-seed reads a clock one tick on, as boards drawn apart would.
        std::uint64_t ticks = 0;
        draw::ClockMixedRandom random(Seed, [&ticks] { return ++ticks; });

        std::array<long, Balls + 1> numberCounts{};
        std::vector<long> pairCounts(Balls * Balls);
        std::array<long, PowerballHighest + 1> powerballCounts{};
        for (int i = 0; i < Boards; ++i) {
            BoardNumbers numbers;
            numbers.fill(Untouched);
            draw::DrawBoard(powerball ? draw::Powerball : draw::Lotto, numbers, random);
            if (!isDrawnBoard(numbers, powerball, Untouched))
                QFAIL(qPrintable(QStringLiteral("board %1 is %2").arg(i).arg(boardText(numbers))));

            for (int p = 1; p <= mains; ++p) {
                ++numberCounts[numbers[p]];
                for (int q = p + 1; q <= mains; ++q)
                    ++pairCounts[pairIndex(numbers[p], numbers[q])];
            }
            if (powerball)
                ++powerballCounts[numbers[6]];
        }

        const std::vector<long> numbers(numberCounts.begin() + 1, numberCounts.end());
        std::vector<long> pairs;
        for (int a = 1; a <= Balls; ++a)
            for (int b = a + 1; b <= Balls; ++b)
                pairs.push_back(pairCounts[pairIndex(a, b)]);
        QCOMPARE(pairs.size(), std::size_t(Balls * (Balls - 1) / 2));
        QCOMPARE(std::accumulate(pairCounts.begin(), pairCounts.end(), 0L), long(Boards) * mains * (mains - 1) / 2);

        checkSpread("numbers", pearsonStatistic(numbers, double(Boards) * mains / Balls), numbersStatistic(mains));
        checkSpread("pairs", pearsonStatistic(pairs, double(Boards) * allOn(2, mains)),
                    pairsStatistic(mains));
        if (powerball) {
            const std::vector<long> powerballs(powerballCounts.begin() + 1, powerballCounts.end());
            checkSpread("powerballs", pearsonStatistic(powerballs, double(Boards) / PowerballHighest),
                        ChiSquareSum{{{1, PowerballHighest - 1}}});
        }
    }
};

QTEST_GUILESS_MAIN(TestFairness)
#include "tst_fairness.moc"
