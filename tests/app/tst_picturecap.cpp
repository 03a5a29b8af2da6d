// The cap on what one picture read may allocate: a picture whose header
// claims a huge size is refused before its memory is taken, by Qt's readers
// (the window's own pictures) and by the ball pictures' reader alike, and
// every picture the program ships still fits.
#include "app/Application.h"
#include "app/BallPictures.h"
#include "draw/BoardNumbers.h"
#include "support/GifFixture.h"
#include "support/TestMain.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

// The picture read from a file by Qt's readers, as the program reads its
// own pictures, and by the ball pictures' reader.
struct Read {
    QPixmap byQt;
    QImage asBall;
};

Read loadFixture(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("claimed.gif"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    return {QPixmap(path), app::loadBallPicture(path)};
}

} // namespace

class TestPictureCap : public QObject {
    Q_OBJECT
private slots:
    // Every picture the program reads loads under the cap: the built-in ones
    // through Qt's readers, and a picture for every ball it can show, no
    // larger than its cell and as Qt's own reader shows it. First, as the program reads them first:
    // LeakSanitizer (GCC 12) has been seen to crash at exit when the JPEG
    // reader's library, which has thread-local data, was first loaded after
    // the large reads below.
    void shippedPicturesFit()
    {
        QStringList paths;
        for (QDirIterator it(QStringLiteral(":/assets"), QDirIterator::Subdirectories); it.hasNext();)
            paths << it.next();
        QVERIFY(paths.contains(QStringLiteral(":/assets/about-seal.jpg"))); // the largest
        for (const QString &path : paths)
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        for (int n = 1; n <= draw::HighestBall; ++n) {
            const QString path = app::ballPicturePath(n);
            const QImage picture = app::loadBallPicture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
            QVERIFY(picture.width() <= 41 && picture.height() <= 33);
            QCOMPARE(picture, QImage(path));
        }
    }

    void claimedSizes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("loads");
        QTest::newRow("a ball's size") << 33 << 33 << true;
        QTest::newRow("larger than any built-in picture") << 800 << 800 << true;
        QTest::newRow("8 MB exactly") << 1024 << 2048 << true;
        QTest::newRow("one row more") << 1024 << 2049 << false;
        QTest::newRow("36 MB, under the reader's own default") << 3000 << 3000 << false;
        QTest::newRow("30000 x 30000") << 30000 << 30000 << false;
        QTest::newRow("the most a GIF can claim") << 65535 << 65535 << false;
        QTest::newRow("one long row") << 65535 << 64 << false;
    }

    void claimedSizes()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, loads);
        const Read picture = loadFixture(gifClaiming(width, height));
        QCOMPARE(!picture.byQt.isNull(), loads);
        QCOMPARE(!picture.asBall.isNull(), loads);
        if (loads) {
            QCOMPARE(picture.byQt.size(), QSize(width, height));
            QCOMPARE(picture.asBall.size(), QSize(width, height));
        }
    }

    // The fixture is a sound picture: only the program's cap refuses it, not
    // the reader's own limit nor a fault in its bytes.
    void theCapIsWhatRefuses()
    {
        const int capped = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(256);
        const QPixmap picture = loadFixture(gifClaiming(3000, 3000)).byQt;
        QImageReader::setAllocationLimit(capped);
        QCOMPARE(picture.size(), QSize(3000, 3000));
    }

};

ZIVENTA_TEST_MAIN(TestPictureCap)
#include "tst_picturecap.moc"
