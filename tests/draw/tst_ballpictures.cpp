// The fixed table of ball picture paths, and how a picture is read.
#include "draw/BallPictures.h"
#include "support/GifFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QCOMPARE(draw::ballPicturePath(number), path);
    }

    // Every ball the program can show has its picture, readable as a GIF.
    void everyPictureIsShipped()
    {
        for (int n = 1; n <= draw::HighestBall; ++n) {
            const QString path = draw::ballPicturePath(n);
            QImage picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
            QVERIFY(picture.width() <= 41 && picture.height() <= 33);
        }
    }

    // A GIF cut at any byte is refused, though Qt's reader shows most cuts
    // with the rows it never got painted over; a whole GIF loads as Qt reads it.
    void cutPicturesAreRefused()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("ball.gif"));
        auto load = [&](const QByteArray &bytes) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(path));
            file.close();
            return draw::loadBallPicture(path);
        };
        QFile ball(draw::ballPicturePath(23));
        QVERIFY(ball.open(QIODevice::ReadOnly));
        for (const QByteArray &whole : {ball.readAll(), gifClaiming(33, 33)}) {
            for (qsizetype size = 0; size < whole.size(); ++size)
                QVERIFY2(load(whole.left(size)).isNull(), qPrintable(QStringLiteral("cut at %1").arg(size)));
            QImage expected;
            QVERIFY(expected.loadFromData(whole));
            QCOMPARE(load(whole), expected);
        }
        QVERIFY(draw::loadBallPicture(dir.filePath(QStringLiteral("absent.gif"))).isNull());
    }
};

QTEST_GUILESS_MAIN(TestBallPictures)
#include "tst_ballpictures.moc"
