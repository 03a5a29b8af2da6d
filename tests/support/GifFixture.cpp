#include "support/GifFixture.h"

#include <QtEndian>
#include <utility>

#include <gif_lib.h>

namespace {

void appendSize(QByteArray &gif, int width, int height)
{
    char bytes[4];
    qToLittleEndian<quint16>(quint16(width), bytes);
    qToLittleEndian<quint16>(quint16(height), bytes + 2);
    gif.append(bytes, 4);
}

} // namespace

QByteArray gifClaiming(int width, int height)
{
    return gifClaiming(QSize(width, height), QSize(width, height));
}

QByteArray gifClaiming(QSize screen, QSize image)
{
    QByteArray gif("GIF89a");
    appendSize(gif, screen.width(), screen.height());
    gif.append("\x80\x00\x00", 3);                 // a global table of 2 colours
    gif.append("\x00\x00\x00\xff\xff\xff", 6);     // black, white
    gif.append(',');                               // the image, at 0,0
    gif.append("\x00\x00\x00\x00", 4);
    appendSize(gif, image.width(), image.height());
    gif.append('\x00');                            // no table of its own
    // Codes of 3 bits: clear (4), then end of information (5).
    gif.append("\x02\x01\x2c\x00", 4);
    gif.append(';');
    return gif;
}

namespace {

int appendTo(GifFileType *gif, const GifByteType *bytes, int count)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), count);
    return count;
}

// A table of count colours (count a power of 2), seed telling tables apart.
ColorMapObject *colourTable(int count, int seed)
{
    if (count == 0)
        return nullptr;
    std::vector<GifColorType> colours;
    for (int i = 0; i < count; ++i)
        colours.push_back({GifByteType(seed + 37 * i), GifByteType(255 - 11 * i), GifByteType(seed * 3 + i)});
    return GifMakeMapObject(count, colours.data());
}

} // namespace

QByteArray gifOf(QSize screen, int globalColours, int background, const std::vector<GifImage> &images)
{
    QByteArray gif;
    int error = 0;
    GifFileType *file = EGifOpen(&gif, appendTo, &error);
    if (!file)
        qFatal("giflib cannot write: %d", error);
    EGifSetGifVersion(file, true);
    ColorMapObject *global = colourTable(globalColours, 10);
    bool written = EGifPutScreenDesc(file, screen.width(), screen.height(), 8, background, global) == GIF_OK;
    GifFreeMapObject(global);
    for (const GifImage &image : images) {
        if (image.transparent >= 0) {
            GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, image.transparent};
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            written = written && EGifPutExtension(file, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK;
        }
        ColorMapObject *local = colourTable(image.localColours, 90);
        const QRect &r = image.rect;
        written = written && EGifPutImageDesc(file, r.x(), r.y(), r.width(), r.height(), image.interlaced, local) == GIF_OK;
        GifFreeMapObject(local);
        // An interlaced image's data holds its rows by passes.
        std::vector<int> rows;
        for (const auto &[start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
            for (int y = start; image.interlaced && y < r.height(); y += step)
                rows.push_back(y);
        }
        for (int y = 0; !image.interlaced && y < r.height(); ++y)
            rows.push_back(y);
        std::vector<GifPixelType> line(size_t(r.width()));
        for (int y : rows) {
            for (int x = 0; x < r.width(); ++x)
                line[size_t(x)] = GifPixelType(image.pixels.at(size_t(y * r.width() + x)));
            written = written && EGifPutLine(file, line.data(), r.width()) == GIF_OK;
        }
    }
    if (EGifCloseFile(file, &error) != GIF_OK || !written)
        qFatal("giflib cannot write the fixture: %d", error);
    return gif;
}
