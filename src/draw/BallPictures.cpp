#include "draw/BallPictures.h"

#include <QFile>
#include <QImageReader>
#include <array>

namespace draw {

namespace {
// One fixed text per ball: nothing is composed while a board is shown.
// "/" is the separator Qt understands on every platform, Windows included.
const std::array<QString, HighestBall> &pathTable()
{
    static const std::array<QString, HighestBall> table = [] {
        std::array<QString, HighestBall> paths;
        for (int n = 1; n <= HighestBall; ++n)
            paths[n - 1] = QStringLiteral("%1/ball_%2.gif").arg(ballPictureFolder()).arg(n);
        return paths;
    }();
    return table;
}

bool readByte(QIODevice &file, quint8 &byte)
{
    char c;
    if (!file.getChar(&c))
        return false;
    byte = quint8(c);
    return true;
}

bool skip(QIODevice &file, qint64 bytes)
{
    return file.skip(bytes) == bytes;
}

// The bytes of the colour table a screen or image descriptor's packed field
// announces.
qint64 colourTableSize(quint8 packed)
{
    return packed & 0x80 ? qint64(3) << ((packed & 7) + 1) : 0;
}

// Data sub-blocks up to and including the empty one that ends them.
bool skipSubBlocks(QIODevice &file)
{
    quint8 length;
    while (readByte(file, length)) {
        if (length == 0)
            return true;
        if (!skip(file, length))
            return false;
    }
    return false;
}

// Whether every block of the GIF is whole, up to its trailer. Qt's reader
// takes a GIF cut short as a success and paints the rows it never got in
// the background colour: a ball whose number may be half gone.
bool runsToTrailer(QIODevice &file)
{
    const QByteArray screen = file.read(13); // signature, version, logical screen
    if (screen.size() != 13 || !skip(file, colourTableSize(quint8(screen[10]))))
        return false;
    quint8 block;
    quint8 ignored;
    while (readByte(file, block)) {
        switch (block) {
        case 0x21: // extension: its label, then its data
            if (!readByte(file, ignored) || !skipSubBlocks(file))
                return false;
            break;
        case 0x2C: { // image: descriptor, colour table, code size, data
            const QByteArray descriptor = file.read(9);
            if (descriptor.size() != 9 || !skip(file, colourTableSize(quint8(descriptor[8])))
                || !readByte(file, ignored) || !skipSubBlocks(file))
                return false;
            break;
        }
        case 0x3B:
            return true;
        default:
            return false;
        }
    }
    return false;
}
} // namespace

QString ballPictureFolder()
{
    return QStringLiteral("Numbers");
}

QString ballPicturePath(int n)
{
    if (n < 1 || n > HighestBall)
        return {};
    return pathTable()[n - 1];
}

QImage loadBallPicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file);
    // The reader forgets the format once it has read.
    const bool gif = reader.format() == "gif";
    const QImage picture = reader.read();
    if (picture.isNull() || !gif)
        return picture;
    return file.seek(0) && runsToTrailer(file) ? picture : QImage();
}

} // namespace draw
