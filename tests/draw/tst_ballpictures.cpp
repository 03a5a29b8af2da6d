// The fixed table of ball picture paths.
#include "draw/BallPictures.h"

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
};

QTEST_GUILESS_MAIN(TestBallPictures)
#include "tst_ballpictures.moc"
