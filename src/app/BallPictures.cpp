#include "app/BallPictures.h"

#include "app/Application.h"
#include "draw/BoardNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include <gif_lib.h>

#ifdef Q_OS_UNIX
#include <cerrno>
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
// A click reads 36 files, so each costs as few calls to the system as it can.
std::optional<QByteArray> readRegularFile(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    // Looked at before it is opened: opening a device can start it.
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // Checked again on what was opened, in case the path changed meanwhile;
    // O_NONBLOCK keeps the open itself from waiting on a FIFO.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto close = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > MaxPictureFileBytes)
        return std::nullopt;
    // What it held when opened: a file that grows meanwhile reads as cut short.
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    bytes.truncate(done);
    return bytes;
#else
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // What it held when opened: a file that grows meanwhile reads as cut short.
    const qint64 size = file.size();
    if (size > MaxPictureFileBytes)
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
#endif
}

// Whether a picture of width x height, four bytes a pixel, stays within the
// cap, as Qt's own readers count it.
bool withinCap(int width, int height)
{
    return qint64(width) * height * 4 <= qint64(PictureAllocationLimitMb) * 1024 * 1024;
}

// giflib reads the file's bytes from memory.
struct Source {
    const QByteArray &bytes;
    qsizetype at = 0;
};

int readSource(GifFileType *gif, GifByteType *into, int wanted)
{
    auto *source = static_cast<Source *>(gif->UserData);
    const int count = int(qMin(qsizetype(wanted), source->bytes.size() - source->at));
    std::memcpy(into, source->bytes.constData() + source->at, size_t(count));
    source->at += count;
    return count;
}

// The rest of an image's data, up to the empty sub-block that ends it.
bool skipImageData(GifFileType *gif)
{
    GifByteType *block = nullptr;
    do {
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return false;
    } while (block);
    return true;
}

// The row of an image that comes i-th in its data: an interlaced image holds
// every 8th row from row 0, every 8th from 4, every 4th from 2, every 2nd from 1.
int rowAt(int i, int height, bool interlaced)
{
    static constexpr int start[] = {0, 4, 2, 1};
    static constexpr int step[] = {8, 8, 4, 2};
    for (int pass = 0; interlaced && pass < 4; ++pass) {
        const int rows = height > start[pass] ? (height - start[pass] + step[pass] - 1) / step[pass] : 0;
        if (i < rows)
            return start[pass] + i * step[pass];
        i -= rows;
    }
    return i;
}

// Paints the image whose descriptor was just read, on its screen, as Qt's
// reader paints a GIF's first image: what the image leaves uncovered, or
// never gets to because its data ends early, has the background colour, or
// the transparent colour when there is one; an index past the colour table
// is white.
bool paintImage(GifFileType *gif, int transparent, QImage &picture)
{
    const GifImageDesc &image = gif->Image;
    const ColorMapObject *map = image.ColorMap ? image.ColorMap : gif->SColorMap;
    if (!map)
        return false;
    std::array<QRgb, 256> colours;
    colours.fill(qRgb(255, 255, 255));
    for (int i = 0; i < map->ColorCount; ++i)
        colours[size_t(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    if (transparent != NO_TRANSPARENT_COLOR)
        colours[size_t(transparent)] &= RGB_MASK;
    const GifPixelType fill = GifPixelType(transparent == NO_TRANSPARENT_COLOR ? gif->SBackGroundColor : transparent);
    picture = QImage(gif->SWidth ? gif->SWidth : image.Width, gif->SHeight ? gif->SHeight : image.Height,
                     transparent == NO_TRANSPARENT_COLOR ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    if (picture.isNull())
        return false;
    picture.fill(colours[fill]);
    if (image.Width == 0 || image.Height == 0)
        return skipImageData(gif);
    std::vector<GifPixelType> row(size_t(image.Width));
    // What of each row lies on the screen: an image may reach past it.
    const int shown = qBound(0, picture.width() - image.Left, image.Width);
    const int height = picture.height();
    for (int i = 0; i < image.Height; ++i) {
        // An early end leaves the rest of its row as it was filled.
        std::fill(row.begin(), row.end(), fill);
        const bool endedEarly = DGifGetLine(gif, row.data(), image.Width) == GIF_ERROR;
        if (endedEarly && gif->Error != D_GIF_ERR_EOF_TOO_SOON)
            return false;
        const int y = image.Top + rowAt(i, image.Height, image.Interlace);
        if (y < height && shown > 0) {
            QRgb *pixels = reinterpret_cast<QRgb *>(picture.scanLine(y)) + image.Left;
            for (int x = 0; x < shown; ++x)
                pixels[x] = colours[row[size_t(x)]];
        }
        if (endedEarly)
            return skipImageData(gif);
    }
    return true;
}

// The first image of the GIF in bytes, as Qt's reader paints it, or a null
// image. Every record is read up to the trailer, so a file cut short
// anywhere is refused; sizes are checked against the cap before anything is
// allocated for them.
QImage decodeGif(const QByteArray &bytes)
{
    Source source{bytes};
    int error = 0;
    GifFileType *gif = DGifOpen(&source, readSource, &error);
    if (!gif)
        return {};
    const auto close = qScopeGuard([gif, &error] { DGifCloseFile(gif, &error); });
    if (!withinCap(gif->SWidth, gif->SHeight))
        return {};
    QImage picture;
    // Set by a graphics control extension for the image that follows it.
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record;
        if (DGifGetRecordType(gif, &record) == GIF_ERROR)
            return {};
        switch (record) {
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType *block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                return {};
            GraphicsControlBlock control;
            if (code == GRAPHICS_EXT_FUNC_CODE && block && DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
                transparent = control.TransparentColor;
            while (block) {
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    return {};
            }
            break;
        }
        case IMAGE_DESC_RECORD_TYPE:
            if (DGifGetImageDesc(gif) == GIF_ERROR || !withinCap(gif->Image.Width, gif->Image.Height))
                return {};
            // Like Qt's reader, only the first image shows; the data of the
            // others is walked through, not decoded.
            if (!(picture.isNull() ? paintImage(gif, transparent, picture) : skipImageData(gif)))
                return {};
            // giflib keeps every descriptor read; a file of many tiny images
            // would make that list many times the file's size.
            GifFreeSavedImages(gif);
            gif->ImageCount = 0;
            transparent = NO_TRANSPARENT_COLOR;
            break;
        case TERMINATE_RECORD_TYPE:
            return picture;
        default:
            return {};
        }
    }
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
    const std::optional<QByteArray> bytes = readRegularFile(path);
    return bytes ? decodeGif(*bytes) : QImage();
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
