// The board draws and their steps, against scripted generator values, and
// the program's generator itself.
#include "draw/BoardDraw.h"
#include "draw/Random.h"
#include "support/BoardCheck.h"
#include "support/ScriptedRandom.h"

#include <QTest>
#include <cmath>
#include <set>

using draw::BoardNumbers;

Q_DECLARE_METATYPE(BoardNumbers)

namespace {

// Position 0 holds this before every draw: nothing may ever write it.
constexpr std::int16_t Untouched = 77;

BoardNumbers board(std::initializer_list<int> positions)
{
    BoardNumbers numbers{Untouched};
    int p = 1;
    for (int n : positions)
        numbers[p++] = std::int16_t(n);
    return numbers;
}

QList<double> firstValues(draw::RandomSource &random, int count)
{
    QList<double> values;
    for (int i = 0; i < count; ++i)
        values << random.next();
    return values;
}

} // namespace

class TestBoardDraw : public QObject {
    Q_OBJECT
private slots:
    void drawNumber_data()
    {
        QTest::addColumn<double>("u");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("number");
        const double highest = std::nextafter(1.0, 0.0);
        QTest::newRow("0 gives 1 of 49") << 0.0 << 49 << 1;
        QTest::newRow("0 gives 1 of 20") << 0.0 << 20 << 1;
        QTest::newRow("largest below 1 gives 49") << highest << 49 << 49;
        QTest::newRow("largest below 1 gives 20") << highest << 20 << 20;
        QTest::newRow("one half of 49") << 0.5 << 49 << 25;
        QTest::newRow("one half of 20") << 0.5 << 20 << 11;
        QTest::newRow("just below 2/49") << std::nextafter(2.0 / 49, 0.0) << 49 << 2;
    }

    // One value per number, written to its own position only.
    void drawNumber()
    {
        QFETCH(double, u);
        QFETCH(int, n);
        QFETCH(int, number);
        ScriptedRandom random;
        random.values = {u};
        BoardNumbers numbers = board({11, 12, 13, 14, 15, 16});
        BoardNumbers expected = numbers;
        expected[3] = std::int16_t(number);
        draw::DrawNumber(numbers, 3, n, random);
        QCOMPARE(numbers, expected);
        QCOMPARE(random.used, 1);
    }

    void sort_data()
    {
        QTest::addColumn<BoardNumbers>("numbers");
        QTest::addColumn<int>("k");
        QTest::addColumn<BoardNumbers>("sorted");
        QTest::newRow("six, reversed") << board({49, 40, 30, 20, 10, 1}) << 6 << board({1, 10, 20, 30, 40, 49});
        QTest::newRow("five: the powerball stays sixth")
            << board({49, 1, 25, 2, 48, 20}) << 5 << board({1, 2, 25, 48, 49, 20});
        QTest::newRow("equal numbers") << board({9, 9, 3, 9, 3, 1}) << 6 << board({1, 3, 3, 9, 9, 9});
        QTest::newRow("compared as signed") << board({5, -1, 300, 0, 2, 1}) << 6 << board({-1, 0, 1, 2, 5, 300});
        QTest::newRow("sorted already") << board({3, 11, 17, 25, 38, 44}) << 6 << board({3, 11, 17, 25, 38, 44});
    }

    void sort()
    {
        QFETCH(BoardNumbers, numbers);
        QFETCH(int, k);
        QFETCH(BoardNumbers, sorted);
        draw::SortBoardNumbers(numbers, k);
        QCOMPARE(numbers, sorted);
    }

    void boardDraw_data()
    {
        QTest::addColumn<bool>("powerball");
        // What DrawNumber yields, in the order drawn: the board, then the re-draws.
        QTest::addColumn<QList<int>>("drawn");
        QTest::addColumn<BoardNumbers>("shown");
        QTest::addColumn<int>("values");

        auto lotto = [](const char *name, QList<int> drawn, BoardNumbers shown, int values) {
            QTest::newRow(name) << false << drawn << shown << values;
        };
        lotto("Lotto, no equal numbers", {44, 3, 25, 11, 38, 17}, board({3, 11, 17, 25, 38, 44}), 6);
        lotto("Lotto, re-drawn onto a later number, then free", {5, 5, 10, 20, 30, 40, 30, 7},
              board({5, 7, 10, 20, 30, 40}), 8);
        lotto("Lotto, all six equal", {10, 10, 10, 10, 10, 10, 10, 7, 25, 25, 44, 3, 18},
              board({3, 7, 10, 18, 25, 44}), 13);
        lotto("Lotto, re-drawn below its left neighbour", {5, 5, 10, 20, 30, 40, 2},
              board({2, 5, 10, 20, 30, 40}), 7);
        lotto("Lotto, pair at the end, re-drawn onto itself and a far number", {3, 8, 15, 22, 40, 40, 40, 15, 12},
              board({3, 8, 12, 15, 22, 40}), 9);
        lotto("Lotto, three pairs", {7, 7, 9, 9, 12, 12, 3, 44, 1}, board({1, 3, 7, 9, 12, 44}), 9);

        auto powerball = [](const char *name, QList<int> drawn, BoardNumbers shown, int values) {
            QTest::newRow(name) << true << drawn << shown << values;
        };
        powerball("Powerball, no equal numbers, powerball equal to a main", {4, 14, 19, 27, 41, 14},
                  board({4, 14, 19, 27, 41, 14}), 6);
        powerball("Powerball, the powerball stays sixth", {49, 1, 25, 2, 48, 20}, board({1, 2, 25, 48, 49, 20}), 6);
        powerball("Powerball, re-drawn until distinct", {5, 10, 5, 20, 30, 7, 10, 5, 12},
                  board({5, 10, 12, 20, 30, 7}), 9);
        powerball("Powerball, two pairs", {8, 8, 15, 15, 40, 2, 22, 33}, board({8, 15, 22, 33, 40, 2}), 8);
        powerball("Powerball, five equal; a main may equal the powerball", {30, 30, 30, 30, 30, 1, 1, 1, 2, 3, 4},
                  board({1, 2, 3, 4, 30, 1}), 11);
    }

    // Re-seed, draw, the two sorts and the repair, from exactly the scripted
    // values.
    void boardDraw()
    {
        QFETCH(bool, powerball);
        QFETCH(QList<int>, drawn);
        QFETCH(BoardNumbers, shown);
        QFETCH(int, values);
        ScriptedRandom random;
        for (int i = 0; i < drawn.size(); ++i)
            random.yield(powerball && i == 5 ? 20 : 49, {drawn[i]});
        BoardNumbers numbers = board({1, 1, 1, 1, 1, 1}); // an earlier draw's numbers play no part

        draw::DrawBoard(powerball ? draw::Powerball : draw::Lotto, numbers, random);

        QCOMPARE(numbers, shown);
        QCOMPARE(random.used, values);
        QVERIFY(random.values.isEmpty());
        QCOMPARE(random.reseeds, QList<int>{0});
    }

    // Many real draws from the program's generator: every board distinct,
    // ascending and in range, and every number turns up.
    void realDrawsAreDistinctAndInRange()
    {
        constexpr int Boards = 100000;
        draw::ClockMixedRandom random;
        for (bool powerball : {false, true}) {
            const int mains = powerball ? 5 : 6;
            std::set<int> seenMain, seenPowerball;
            for (int i = 0; i < Boards; ++i) {
                BoardNumbers numbers{Untouched};
                draw::DrawBoard(powerball ? draw::Powerball : draw::Lotto, numbers, random);
                QVERIFY2(isDrawnBoard(numbers, powerball, Untouched), powerball ? "Powerball" : "Lotto");
                seenMain.insert(numbers.begin() + 1, numbers.begin() + mains + 1);
                if (powerball)
                    seenPowerball.insert(numbers[6]);
            }
            QCOMPARE(int(seenMain.size()), 49);
            if (powerball)
                QCOMPARE(int(seenPowerball.size()), 20);
        }
    }

    // Boards re-seeded within one clock reading still draw different values:
    // the re-seed goes on from the current state.
    void reseedWithinOneClockReading()
    {
        draw::ClockMixedRandom random(7, [] { return std::uint64_t(42); });
        random.reseed();
        const QList<double> first = firstValues(random, 6);
        random.reseed();
        const QList<double> second = firstValues(random, 6);
        QVERIFY(first != second);
        for (double u : first + second)
            QVERIFY(u >= 0.0 && u < 1.0);

        BoardNumbers board2{}, board3{};
        draw::DrawBoard(draw::Lotto, board2, random);
        draw::DrawBoard(draw::Lotto, board3, random);
        QVERIFY(board2 != board3);
    }

    // The clock reading enters the state: the same state re-seeded at two
    // readings goes two ways, at the same reading one way.
    void reseedTakesTheClock()
    {
        draw::ClockMixedRandom a(7, [] { return std::uint64_t(1); });
        draw::ClockMixedRandom b(7, [] { return std::uint64_t(1); });
        draw::ClockMixedRandom c(7, [] { return std::uint64_t(2); });
        for (auto *random : {&a, &b, &c})
            random->reseed();
        const QList<double> fromA = firstValues(a, 4);
        QCOMPARE(fromA, firstValues(b, 4));
        QVERIFY(fromA != firstValues(c, 4));
    }
};

QTEST_APPLESS_MAIN(TestBoardDraw)
#include "tst_boarddraw.moc"
