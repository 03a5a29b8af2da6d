#include "app/GifDecode.h"

#include <QScopeGuard>
#include <QSize>
#include <array>
#include <cstring>
#include <vector>

#include <gif_lib.h>

namespace app {

namespace {

// Whether a picture of size, four bytes a pixel, takes at most cap bytes.
bool withinCap(QSize size, qint64 cap)
{
    return qint64(size.width()) * size.height() * 4 <= cap;
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
bool paintImage(GifFileType *gif, int transparent, qint64 cap, QImage &picture)
{
    const GifImageDesc &image = gif->Image;
    // A screen without a width or a height takes the image's: the picture
    // can be as large as neither of the two alone.
    const QSize size(gif->SWidth ? gif->SWidth : image.Width, gif->SHeight ? gif->SHeight : image.Height);
    if (!withinCap(size, cap))
        return false;
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
    picture = QImage(size, transparent == NO_TRANSPARENT_COLOR ? QImage::Format_RGB32 : QImage::Format_ARGB32);
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

} // namespace

// Every record is read up to the trailer, so a file cut short anywhere is
// refused.
QImage decodeGif(const QByteArray &bytes, qint64 maxPictureBytes)
{
    Source source{bytes};
    int error = 0;
    GifFileType *gif = DGifOpen(&source, readSource, &error);
    if (!gif)
        return {};
    const auto close = qScopeGuard([gif, &error] { DGifCloseFile(gif, &error); });
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
            // Each image's own size bounds the work its rows take, drawn or not.
            if (DGifGetImageDesc(gif) == GIF_ERROR
                || !withinCap(QSize(gif->Image.Width, gif->Image.Height), maxPictureBytes))
                return {};
            // Like Qt's reader, only the first image shows; the data of the
            // others is walked through, not decoded.
            if (!(picture.isNull() ? paintImage(gif, transparent, maxPictureBytes, picture) : skipImageData(gif)))
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

} // namespace app
