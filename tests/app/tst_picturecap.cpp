// The cap on what one picture read may allocate: a picture whose header
// claims a huge size is refused before its memory is taken, and every
// picture the program ships still fits.
#include "app/Application.h"
#include "support/GifFixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QTemporaryDir>

namespace {

// The picture read from a file, as the program reads its pictures.
QPixmap loadFixture(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("claimed.gif"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    return QPixmap(path);
}

} // namespace

class TestPictureCap : public QObject {
    Q_OBJECT
private slots:
    // Every picture the program reads, built in or from Numbers, under the cap.
    // First, as the program reads them first: LeakSanitizer (GCC 12) has been
    // seen to crash at exit when the JPEG reader's library, which has
    // thread-local data, was first loaded after the large reads below.
    void shippedPicturesFit()
    {
        QStringList paths;
        for (QDirIterator it(QStringLiteral(":/assets"), QDirIterator::Subdirectories); it.hasNext();)
            paths << it.next();
        for (const QString &name : QDir(QStringLiteral("Numbers")).entryList({QStringLiteral("*.gif")}))
            paths << QStringLiteral("Numbers/") + name;
        QVERIFY(paths.contains(QStringLiteral(":/assets/about-seal.jpg"))); // the largest
        QVERIFY(paths.contains(QStringLiteral("Numbers/ball_49.gif")));
        for (const QString &path : paths)
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }

    void claimedSizes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("loads");
        QTest::newRow("a ball's size") << 33 << 33 << true;
        QTest::newRow("larger than any built-in picture") << 800 << 800 << true;
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
        const QPixmap picture = loadFixture(gifClaiming(width, height));
        QCOMPARE(!picture.isNull(), loads);
        if (loads)
            QCOMPARE(picture.size(), QSize(width, height));
    }

    // The fixture is a sound picture: only the program's cap refuses it, not
    // the reader's own limit nor a fault in its bytes.
    void theCapIsWhatRefuses()
    {
        const int capped = QImageReader::allocationLimit();
        QImageReader::setAllocationLimit(256);
        const QPixmap picture = loadFixture(gifClaiming(3000, 3000));
        QImageReader::setAllocationLimit(capped);
        QCOMPARE(picture.size(), QSize(3000, 3000));
    }

};

ZIVENTA_TEST_MAIN(TestPictureCap)
#include "tst_picturecap.moc"
