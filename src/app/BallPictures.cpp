#include "app/BallPictures.h"

#include "draw/BoardNumbers.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <array>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {

namespace {
// One fixed text per ball: nothing is composed while a board is shown.
// "/" is the separator Qt understands on every platform, Windows included.
const std::array<QString, draw::HighestBall> &pathTable()
{
    static const std::array<QString, draw::HighestBall> table = [] {
        std::array<QString, draw::HighestBall> paths;
        for (int n = 1; n <= draw::HighestBall; ++n)
            paths[n - 1] = QStringLiteral("%1/ball_%2.gif").arg(ballPictureFolder()).arg(n);
        return paths;
    }();
    return table;
}

// No ball picture comes near this; a larger file is not one of them, and is
// refused before it is read into memory.
constexpr qint64 MaxPictureFileBytes = 8 * 1024 * 1024;

// The bytes of the regular file at path. Anything else at that path (a
// FIFO, a socket, a device, a folder) is refused without being opened in a
// way that could wait: a FIFO without a writer would hold the click forever.
std::optional<QByteArray> readRegularFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file;
#ifdef Q_OS_UNIX
    // Checked again on what was opened, in case the path changed meanwhile;
    // O_NONBLOCK keeps the open itself from waiting on a FIFO.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
#endif
    // What it held when opened: a file that grows meanwhile reads as cut short.
    const qint64 size = file.size();
    if (size > MaxPictureFileBytes)
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
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
    if (n < 1 || n > draw::HighestBall)
        return {};
    return pathTable()[n - 1];
}

QImage loadBallPicture(const QString &path)
{
    std::optional<QByteArray> bytes = readRegularFile(path);
    if (!bytes)
        return {};
    QBuffer file(&*bytes);
    file.open(QIODevice::ReadOnly);
    QImageReader reader(&file);
    // The reader forgets the format once it has read.
    const bool gif = reader.format() == "gif";
    const QImage picture = reader.read();
    if (picture.isNull() || !gif)
        return picture;
    return file.seek(0) && runsToTrailer(file) ? picture : QImage();
}

QString unloadableMessage(QStringList paths)
{
    // Without the folder every picture fails: one line naming where it was
    // looked for says more than a line per file.
    const QFileInfo folder(ballPictureFolder());
    if (!folder.isDir())
        return QStringLiteral("Cannot find the folder of ball pictures %1")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    paths.removeDuplicates();
    QStringList lines;
    for (const QString &path : paths)
        lines << QStringLiteral("Cannot load the ball picture %1").arg(path);
    return lines.join(QLatin1Char('\n'));
}

} // namespace app
