// The lines of the results file: print zones, number and date forms.
#include "app/ResultsLines.h"

#include <QTest>

class TestResultsLines : public QObject {
    Q_OBJECT
private slots:
    void zones_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("line");
        QTest::newRow("one item, nothing after it") << QStringList{"only"} << "only";
        QTest::newRow("short items start at zone starts")
            << QStringList{"a", "bc", "d"} << "a             bc            d";
        QTest::newRow("13 characters leave one blank")
            << QStringList{"1234567890123", "x"} << "1234567890123 x";
        QTest::newRow("14 characters push a zone further")
            << QStringList{"12345678901234", "x"} << "12345678901234              x";
        QTest::newRow("28 characters push two zones further")
            << QStringList{"1234567890123456789012345678", "x"}
            << "1234567890123456789012345678              x";
        QTest::newRow("an empty item still takes its zone") << QStringList{"", "x"} << "              x";
        // Characters outside the basic plane are one column, not two UTF-16 units.
        QTest::newRow("characters, not code units")
            << QStringList{QString::fromUtf8("\xF0\x9D\x9F\x99\xF0\x9D\x9F\x9A"), "x"}
            << QString::fromUtf8("\xF0\x9D\x9F\x99\xF0\x9D\x9F\x9A") + QString(12, ' ') + "x";
    }

    void zones()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, line);
        QCOMPARE(app::zonedLine(items), line);
    }

    void numbers_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("item");
        QTest::newRow("never drawn") << 0 << " 0 ";
        QTest::newRow("one digit") << 7 << " 7 ";
        QTest::newRow("two digits") << 49 << " 49 ";
        QTest::newRow("negative") << -5 << "-5 ";
        QTest::newRow("highest 16-bit") << 32767 << " 32767 ";
        QTest::newRow("lowest 16-bit") << -32768 << "-32768 ";
    }

    void numbers()
    {
        QFETCH(int, number);
        QFETCH(QString, item);
        QCOMPARE(app::numberItem(std::int16_t(number)), item);
    }

    void dates_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("item");
        QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "3/5/24";
        QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << "05.03.24";
    }

    void dates()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, item);
        QCOMPARE(app::dateItem(QDate(2024, 3, 5), locale), item);
    }

    void lines_data()
    {
        std::array<draw::BoardNumbers, draw::BoardCount> numbers{};
        numbers[0] = {0, 3, 14, 15, 26, 35, 49};
        numbers[1] = {0, 1, 9, 10, 22, 48, 7};

        QTest::addColumn<bool>("powerball");
        QTest::addColumn<int>("boards");
        QTest::addColumn<QString>("date");
        QTest::addColumn<std::array<draw::BoardNumbers, draw::BoardCount>>("numbers");
        QTest::addColumn<QStringList>("lines");
        //         zone:  0             14            28            42            56            70            84            98            112           126           140
        QTest::newRow("Lotto, one and two digits")
            << false << 2 << "3/5/24" << numbers
            << QStringList{"3/5/24        Lotto         Board 1        3             14            15            26            35            49 ",
                           "3/5/24        Lotto         Board 2        1             9             10            22            48            7 "};
        QTest::newRow("Powerball, the powerball after a dash")
            << true << 1 << "3/5/24" << numbers
            << QStringList{"3/5/24        PowerBall     Board 1        3             14            15            26            35           -              49 "};
        QTest::newRow("a date longer than 13 characters")
            << true << 1 << "Tuesday 5 March" << numbers
            << QStringList{"Tuesday 5 March             PowerBall     Board 1        3             14            15            26            35           -              49 "};
        QTest::newRow("boards never drawn are zeros")
            << false << 3 << "d" << numbers
            << QStringList{"d             Lotto         Board 1        3             14            15            26            35            49 ",
                           "d             Lotto         Board 2        1             9             10            22            48            7 ",
                           "d             Lotto         Board 3        0             0             0             0             0             0 "};
        QTest::newRow("no board, no line") << false << 0 << "d" << numbers << QStringList{};
    }

    void lines()
    {
        QFETCH(bool, powerball);
        QFETCH(int, boards);
        QFETCH(QString, date);
        using Boards = std::array<draw::BoardNumbers, draw::BoardCount>;
        QFETCH(Boards, numbers);
        QFETCH(QStringList, lines);
        QCOMPARE(app::resultsLines(powerball ? draw::Powerball : draw::Lotto, boards, numbers, date), lines);
    }
};

QTEST_GUILESS_MAIN(TestResultsLines)
#include "tst_resultslines.moc"
