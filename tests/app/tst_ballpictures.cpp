// The fixed table of ball picture paths, how a picture is read, and how a
// board's row shows its pictures.
#include "app/BallPictures.h"
#include "app/BoardRow.h"
#include "form/Controls.h"
#include "support/GifFixture.h"
#include "support/PictureFolder.h"
#include "support/TestMain.h"

#include <QFile>
#include <QTemporaryDir>

using draw::BoardNumbers;

Q_DECLARE_METATYPE(BoardNumbers)

namespace {

BoardNumbers board(std::initializer_list<int> positions)
{
    BoardNumbers numbers{};
    int p = 1;
    for (int n : positions)
        numbers[p++] = std::int16_t(n);
    return numbers;
}

// Every index of a width x height image, row by row: i % colours.
std::vector<int> indices(int width, int height, int colours)
{
    std::vector<int> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(i % colours);
    return pixels;
}

// Six ball cells and a frame, as the window's binding table holds them.
struct RowUnderTest {
    QWidget parent;
    app::BoardRow row;

    RowUnderTest()
    {
        for (form::BallImage *&image : row.images)
            image = new form::BallImage(&parent);
        row.frame = new form::FrameShape(&parent);
        row.frame->hide();
    }

    // What each cell shows: its picture's file, or its text, or nothing.
    QStringList cells() const
    {
        QStringList shown;
        for (const form::BallImage *image : row.images) {
            if (image->pixmap().isNull() != image->picturePath().isEmpty())
                shown << QStringLiteral("picture and path disagree");
            else
                shown << (image->picturePath().isEmpty() ? image->text() : image->picturePath());
        }
        return shown;
    }
};

} // namespace

class TestBallPictures : public QObject {
    Q_OBJECT
private slots:
    void paths_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("path");
        QTest::newRow("1") << 1 << "Numbers/ball_1.gif";
        QTest::newRow("7, one digit") << 7 << "Numbers/ball_7.gif";
        QTest::newRow("9") << 9 << "Numbers/ball_9.gif";
        QTest::newRow("10, two digits") << 10 << "Numbers/ball_10.gif";
        QTest::newRow("49") << 49 << "Numbers/ball_49.gif";
        QTest::newRow("0 has none") << 0 << "";
        QTest::newRow("50 has none") << 50 << "";
        QTest::newRow("-1 has none") << -1 << "";
    }

    void paths()
    {
        QFETCH(int, number);
        QFETCH(QString, path);
        QCOMPARE(app::ballPicturePath(number), path);
    }

    void gifs_data()
    {
        QTest::addColumn<QByteArray>("gif");
        QFile ball(app::ballPicturePath(23));
        QVERIFY(ball.open(QIODevice::ReadOnly));
        const QSize screen(7, 9);
        const QRect whole(0, 0, 7, 9);
        const std::vector<int> pixels = indices(7, 9, 4);
        QTest::newRow("a real ball") << ball.readAll();
        // Its image's data ends at once: the screen keeps the background.
        QTest::newRow("an image without pixels") << gifClaiming(33, 33);
        QTest::newRow("the global table") << gifOf(screen, 4, 0, {{whole, pixels}});
        QTest::newRow("a table of its own") << gifOf(screen, 4, 0, {{whole, pixels, false, 4}});
        QTest::newRow("a table of its own, none global") << gifOf(screen, 0, 0, {{whole, pixels, false, 8}});
        QTest::newRow("interlaced, every pass") << gifOf(screen, 4, 0, {{whole, pixels, true}});
        QTest::newRow("interlaced, two rows") << gifOf({3, 2}, 4, 0, {{{0, 0, 3, 2}, indices(3, 2, 4), true}});
        QTest::newRow("a transparent colour") << gifOf(screen, 4, 0, {{whole, pixels, false, 0, 2}});
        QTest::newRow("a transparent colour no pixel has") << gifOf(screen, 4, 0, {{whole, pixels, false, 0, 200}});
        QTest::newRow("indices past the table are white") << gifOf(screen, 2, 0, {{whole, pixels}});
        QTest::newRow("an image inside its screen: the background round it")
            << gifOf({12, 10}, 4, 3, {{{2, 3, 7, 5}, indices(7, 5, 3)}});
        QTest::newRow("an image inside its screen: the transparent colour round it")
            << gifOf({12, 10}, 4, 3, {{{2, 3, 7, 5}, indices(7, 5, 3), false, 0, 1}});
        QTest::newRow("a background past the table") << gifOf({12, 10}, 4, 9, {{{2, 3, 7, 5}, indices(7, 5, 4)}});
        QTest::newRow("an image larger than its screen") << gifOf({5, 4}, 4, 0, {{{0, 0, 7, 9}, pixels}});
        QTest::newRow("no screen size: the image's") << gifOf({0, 0}, 4, 0, {{whole, pixels}});
        QTest::newRow("two images: the first shows")
            << gifOf(screen, 4, 0, {{whole, pixels}, {{1, 1, 3, 3}, indices(3, 3, 2), true, 2, 1}});
        QTest::newRow("a transparent colour for the second image only")
            << gifOf(screen, 4, 0, {{whole, pixels}, {whole, pixels, false, 0, 1}});
    }

    // A whole GIF shows as Qt's own reader shows it; cut at any byte it is
    // refused, though Qt's reader shows most cuts with the rows it never got
    // painted over.
    void gifs()
    {
        QFETCH(QByteArray, gif);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("ball.gif"));
        auto load = [&](const QByteArray &bytes) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(path));
            file.close();
            return app::loadBallPicture(path);
        };
        for (qsizetype size = 0; size < gif.size(); ++size)
            QVERIFY2(load(gif.left(size)).isNull(), qPrintable(QStringLiteral("cut at %1").arg(size)));
        QImage expected;
        QVERIFY(expected.loadFromData(gif));
        QCOMPARE(load(gif), expected);
        QVERIFY(app::loadBallPicture(dir.filePath(QStringLiteral("absent.gif"))).isNull());
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        // giflib's encoder writes no such GIF: the fixture without its table.
        QByteArray noTable = gifClaiming(4, 4);
        noTable[10] = 0;
        noTable.remove(13, 6);
        QTest::newRow("no colour table at all") << noTable;
        // Every image's size counts against the cap, not only the screen's.
        QByteArray smallScreen = gifClaiming(3000, 3000);
        smallScreen.replace(6, 4, QByteArray("\x04\x00\x04\x00", 4));
        QTest::newRow("an image claiming 3000 x 3000 on a small screen") << smallScreen;
        QByteArray laterImage = gifOf({4, 4}, 2, 0, {{{0, 0, 4, 4}, indices(4, 4, 2)}});
        laterImage.chop(1); // its trailer
        laterImage += gifClaiming(3000, 3000).mid(19); // an image and a trailer
        QTest::newRow("a later image claiming 3000 x 3000") << laterImage;
        // Each size alone is within the cap; the picture, a side from each, is not.
        QTest::newRow("a screen 0 wide, 20000 high, over an image 20000 x 1")
            << gifClaiming(QSize(0, 20000), QSize(20000, 1));
        QTest::newRow("a screen 20000 wide, 0 high, over an image 1 x 20000")
            << gifClaiming(QSize(20000, 0), QSize(1, 20000));
        QTest::newRow("a screen 0 wide, 65535 high, over an image 65535 x 1")
            << gifClaiming(QSize(0, 65535), QSize(65535, 1));
        QTest::newRow("no image") << gifOf({4, 4}, 2, 0, {});
        QTest::newRow("a PNG") << QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR4nGNgYPgPAAEDAQAIicLsAAAAAElFTkSuQmCC");
        QTest::newRow("no picture at all") << QByteArray("not a picture at all");
    }

    // What is no GIF, a GIF that has nothing to show, or one that claims too
    // much memory anywhere.
    void refused()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ball.gif"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QVERIFY(app::loadBallPicture(path).isNull());
    }

    void rowShows_data()
    {
        QTest::addColumn<bool>("powerball");
        QTest::addColumn<BoardNumbers>("numbers");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("Lotto") << false << board({3, 8, 15, 22, 40, 41})
                               << QStringList{"Numbers/ball_3.gif", "Numbers/ball_8.gif", "Numbers/ball_15.gif",
                                              "Numbers/ball_22.gif", "Numbers/ball_40.gif", "Numbers/ball_41.gif"};
        QTest::newRow("0 at position 4") << false << board({3, 8, 15, 0, 40, 41})
                                         << QStringList{"Numbers/ball_3.gif", "Numbers/ball_8.gif",
                                                        "Numbers/ball_15.gif", "", "Numbers/ball_40.gif",
                                                        "Numbers/ball_41.gif"};
        QTest::newRow("50 and -1") << false << board({50, 8, 15, -1, 40, 41})
                                   << QStringList{"", "Numbers/ball_8.gif", "Numbers/ball_15.gif", "",
                                                  "Numbers/ball_40.gif", "Numbers/ball_41.gif"};
        QTest::newRow("powerball 21 has no picture") << true << board({1, 2, 3, 4, 5, 21})
                                                     << QStringList{"Numbers/ball_1.gif", "Numbers/ball_2.gif",
                                                                    "Numbers/ball_3.gif", "Numbers/ball_4.gif",
                                                                    "Numbers/ball_5.gif", ""};
        QTest::newRow("powerball 20, and one number twice")
            << true << board({14, 14, 3, 4, 5, 20})
            << QStringList{"Numbers/ball_14.gif", "Numbers/ball_14.gif", "Numbers/ball_3.gif",
                           "Numbers/ball_4.gif", "Numbers/ball_5.gif", "Numbers/ball_20.gif"};
    }

    // Each cell is set in place over what an earlier click left; a number
    // without a picture at its position loads nothing and leaves its cell
    // empty. The frame shows for a Powerball board only.
    void rowShows()
    {
        QFETCH(bool, powerball);
        QFETCH(BoardNumbers, numbers);
        QFETCH(QStringList, cells);
        auto pixels = [](const QImage &picture) { return picture.convertToFormat(QImage::Format_ARGB32); };
        RowUnderTest test;
        QVERIFY(test.row.show(draw::Lotto, board({9, 10, 11, 12, 13, 14})).isEmpty());
        test.row.images[3]->showNumber(33);
        test.row.frame->setVisible(!powerball);

        QVERIFY(test.row.show(powerball ? draw::Powerball : draw::Lotto, numbers).isEmpty());
        QCOMPARE(test.cells(), cells);
        for (int p = 1; p <= 6; ++p) {
            if (!cells[p - 1].isEmpty())
                QCOMPARE(pixels(test.row.images[p - 1]->pixmap().toImage()), pixels(QImage(cells[p - 1])));
        }
        QCOMPARE(test.row.frame->isHidden(), !powerball);

        test.row.clear();
        QCOMPARE(test.cells(), QStringList(6, QString()));
        QVERIFY(test.row.frame->isHidden());
    }

    // Every position is shown even when pictures fail; the failed ones come
    // back in position order and their cells show the number.
    void rowWithUnloadablePictures()
    {
        PictureFolder folder;
        QVERIFY(folder.isReady());
        QVERIFY(folder.remove(23));
        QVERIFY(folder.corrupt(7));
        RowUnderTest test;
        const QStringList failed = test.row.show(draw::Lotto, board({3, 7, 12, 23, 30, 7}));
        QCOMPARE(failed, QStringList({"Numbers/ball_7.gif", "Numbers/ball_23.gif", "Numbers/ball_7.gif"}));
        QCOMPARE(test.cells(), QStringList({"Numbers/ball_3.gif", "7", "Numbers/ball_12.gif", "23",
                                            "Numbers/ball_30.gif", "7"}));
    }
};

ZIVENTA_TEST_MAIN(TestBallPictures)
#include "tst_ballpictures.moc"
