// Draws every picture Ziventa shows and writes each in the format the program
// loads it from, then reads every file back to prove it is what the program
// expects.  Usage: makepictures <repository root>

#include "drawings.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

enum class Format { Jpeg, Bmp, Ico, Gif };

struct Picture {
    QString file; // relative to the repository root
    QSize size;
    Format format;
    QColor background;
    std::function<void(QPainter &, QSize)> draw;
};

QByteArray formatName(Format format)
{
    switch (format) {
    case Format::Jpeg: return "jpeg";
    case Format::Bmp: return "bmp";
    case Format::Ico: return "ico";
    case Format::Gif: return "gif";
    }
    return {};
}

std::vector<Picture> allPictures()
{
    using namespace drawings;
    // Only the window icon sits on the desktop's own colours; every other
    // picture is shown on white.
    std::vector<Picture> pictures = {
        {"assets/ziventa.ico", {32, 32}, Format::Ico, Qt::transparent, windowIcon},
        {"assets/save.jpg", {48, 48}, Format::Jpeg, Qt::white, saveButton},
        {"assets/print.jpg", {50, 43}, Format::Jpeg, Qt::white, printButton},
        {"assets/exit.bmp", {48, 48}, Format::Bmp, Qt::white, exitButton},
        {"assets/logo.jpg", {300, 87}, Format::Jpeg, Qt::white, makerLogo},
        {"assets/about-side.jpg", {280, 390}, Format::Jpeg, Qt::white, aboutSide},
        {"assets/about-seal.jpg", {591, 587}, Format::Jpeg, Qt::white, aboutSeal},
        {"assets/help.jpg", {370, 330}, Format::Jpeg, Qt::white, helpBalls},
    };
    for (int n = 1; n <= 49; ++n) {
        pictures.push_back({QStringLiteral("Numbers/ball_%1.gif").arg(n), {33, 33}, Format::Gif,
                            Qt::white, [n](QPainter &p, QSize size) { numberBall(p, size, n); }});
    }
    return pictures;
}

QImage render(const Picture &picture)
{
    QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(picture.background);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    picture.draw(painter, picture.size);
    return image;
}

std::vector<QRgb> distinctColours(const QImage &argb)
{
    std::vector<QRgb> colours;
    colours.reserve(size_t(argb.width()) * size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        colours.insert(colours.end(), line, line + argb.width());
    }
    std::sort(colours.begin(), colours.end());
    colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
    return colours;
}

// Shaded, antialiased drawings carry more than 256 colours, and Qt alone would
// then fall back to a fixed colour cube that bands the shading.  So the palette
// is cut from the picture's own colours (median cut) and Qt maps each pixel to
// the nearest entry.  Alpha counts as a fourth channel for the icon's edge.
QImage toIndexed8(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> colours = distinctColours(argb);
    const auto channel = [](QRgb colour, int c) { return int((colour >> (8 * c)) & 0xff); };

    struct Box {
        size_t begin, end;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    while (boxes.size() < 256) {
        size_t widest = boxes.size();
        int widestChannel = 0;
        int widestSpread = 0;
        for (size_t b = 0; b < boxes.size(); ++b) {
            for (int c = 0; c < 4; ++c) {
                const auto [lo, hi] = std::minmax_element(
                    colours.begin() + boxes[b].begin, colours.begin() + boxes[b].end,
                    [&](QRgb x, QRgb y) { return channel(x, c) < channel(y, c); });
                const int spread = channel(*hi, c) - channel(*lo, c);
                if (spread > widestSpread) {
                    widest = b;
                    widestChannel = c;
                    widestSpread = spread;
                }
            }
        }
        if (widest == boxes.size())
            break; // every box holds a single colour: the palette is exact
        const Box box = boxes[widest];
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
                  [&](QRgb x, QRgb y) { return channel(x, widestChannel) < channel(y, widestChannel); });
        const size_t middle = box.begin + (box.end - box.begin) / 2;
        boxes[widest] = {box.begin, middle};
        boxes.push_back({middle, box.end});
    }

    QList<QRgb> palette;
    for (const Box &box : boxes) {
        int sum[4] = {};
        for (size_t i = box.begin; i < box.end; ++i)
            for (int c = 0; c < 4; ++c)
                sum[c] += channel(colours[i], c);
        const int count = int(box.end - box.begin);
        palette << qRgba(sum[2] / count, sum[1] / count, sum[0] / count, sum[3] / count);
    }
    return argb.convertToFormat(QImage::Format_Indexed8, palette);
}

// Qt reads GIF but cannot write it, so the encoding is giflib's.
bool writeGif(const QImage &indexed, const QString &path, QString *error)
{
    int code = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &code);
    if (!gif) {
        *error = QString::fromLatin1(GifErrorString(code));
        return false;
    }

    const QList<QRgb> table = indexed.colorTable();
    const int bits = GifBitSize(int(table.size())); // giflib needs a power-of-two map
    ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
    for (int i = 0; i < table.size(); ++i) {
        map->Colors[i] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                          GifByteType(qBlue(table[i]))};
    }

    const int w = indexed.width();
    const int h = indexed.height();
    bool ok = EGifPutScreenDesc(gif, w, h, bits, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y) {
        // giflib only reads the line, but its signature is not const.
        auto *line = const_cast<GifPixelType *>(indexed.constScanLine(y));
        ok = EGifPutLine(gif, line, w) == GIF_OK;
    }
    if (!ok)
        *error = QString::fromLatin1(GifErrorString(gif->Error));
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &code) != GIF_OK && ok) {
        *error = QString::fromLatin1(GifErrorString(code));
        ok = false;
    }
    return ok;
}

// Qt's icon writer always stores 32 bits per pixel; a 256-colour icon is an
// 8-bit bitmap with a one-bit transparency mask, so the icon is written here.
bool writeIco8(const QImage &image, const QString &path, QString *error)
{
    // A see-through pixel must be black in the colour bitmap, or the desktop
    // would XOR its colour into what shows behind the icon.
    QImage flat = toIndexed8(image).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x)
            if (qAlpha(flat.pixel(x, y)) < 128)
                flat.setPixel(x, y, qRgba(0, 0, 0, 0));
    const QImage indexed = toIndexed8(flat);
    const int w = indexed.width();
    const int h = indexed.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const int pixelStride = ((w + 3) / 4) * 4;
    const quint32 imageBytes = 40 + 256 * 4 + quint32(h * (pixelStride + maskStride));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1);                       // icon directory, one image
    out << quint8(w) << quint8(h) << quint8(0) << quint8(0)               // 0 colours means 256
        << quint16(1) << quint16(8) << imageBytes << quint32(6 + 16);
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(8) // height counts the mask too
        << quint32(0) << quint32(h * (pixelStride + maskStride)) << qint32(0) << qint32(0)
        << quint32(256) << quint32(0);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = table.value(i, qRgb(0, 0, 0));
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = h - 1; y >= 0; --y) { // bitmaps run bottom-up
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < pixelStride; ++x)
            out << quint8(x < w ? line[x] : 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray bits(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if (qAlpha(table.value(indexed.pixelIndex(x, y))) < 128)
                bits[x / 8] = char(bits[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(bits.constData(), bits.size());
    }
    if (out.status() != QDataStream::Ok || !file.flush()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

bool writeWithQt(const QImage &image, const QString &path, Format format, QString *error)
{
    QImageWriter writer(path, formatName(format));
    if (format == Format::Jpeg)
        writer.setQuality(95); // small button pictures show artefacts at lower settings
    if (!writer.write(image)) {
        *error = writer.errorString();
        return false;
    }
    return true;
}

bool write(const Picture &picture, const QImage &image, const QString &path, QString *error)
{
    switch (picture.format) {
    case Format::Jpeg:
        return writeWithQt(image.convertToFormat(QImage::Format_RGB32), path, picture.format, error);
    case Format::Bmp:
        // RGB888 is what makes Qt's BMP writer store 24 bits per pixel.
        return writeWithQt(image.convertToFormat(QImage::Format_RGB888), path, picture.format, error);
    case Format::Ico:
        return writeIco8(image, path, error);
    case Format::Gif:
        // giflib creates its files readable by their owner only.
        return writeGif(toIndexed8(image), path, error)
            && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner
                                               | QFile::ReadGroup | QFile::ReadOther);
    }
    return false;
}

// The bits per pixel as the file's header states them: a 16-bit little-endian
// word at offset 28 of a bitmap, 12 of an icon's first directory entry.
int headerBitsPerPixel(const QString &path, int offset)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(offset + 2);
    if (header.size() < offset + 2)
        return 0;
    return uchar(header[offset]) | (uchar(header[offset + 1]) << 8);
}

// Reads the file back the way the program will and reports what is wrong, if anything.
QString verify(const Picture &picture, const QString &path)
{
    QImageReader reader(path);
    if (reader.format() != formatName(picture.format))
        return QStringLiteral("reads back as '%1'").arg(QString::fromLatin1(reader.format()));
    const QImage back = reader.read();
    if (back.isNull())
        return QStringLiteral("does not load: %1").arg(reader.errorString());
    if (back.size() != picture.size) {
        return QStringLiteral("is %1x%2, not %3x%4")
            .arg(back.width()).arg(back.height())
            .arg(picture.size.width()).arg(picture.size.height());
    }
    if (picture.format == Format::Ico && headerBitsPerPixel(path, 12) != 8)
        return QStringLiteral("has %1 bits per pixel, not 8").arg(headerBitsPerPixel(path, 12));
    if (picture.format == Format::Bmp && headerBitsPerPixel(path, 28) != 24)
        return QStringLiteral("has %1 bits per pixel, not 24").arg(headerBitsPerPixel(path, 28));
    if (picture.format == Format::Ico || picture.format == Format::Gif) {
        const size_t colours = distinctColours(back.convertToFormat(QImage::Format_ARGB32)).size();
        if (colours > 256)
            return QStringLiteral("has %1 colours, more than 256").arg(colours);
    }
    return {};
}

bool checkPlugins()
{
    const QList<QByteArray> writable = QImageWriter::supportedImageFormats();
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    bool ok = true;
    for (const Format format : {Format::Jpeg, Format::Bmp, Format::Ico, Format::Gif}) {
        const QByteArray name = formatName(format);
        const bool needsWriter = format != Format::Gif;
        if (!readable.contains(name) || (needsWriter && !writable.contains(name))) {
            std::fprintf(stderr, "makepictures: Qt has no %s image plugin\n", name.constData());
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a platform plugin; offscreen needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: makepictures <repository root>\n");
        return 2;
    }
    if (!checkPlugins())
        return 1;
    if (!drawings::fontsAvailable()) {
        std::fprintf(stderr, "makepictures: the DejaVu Sans fonts are missing "
                             "(Debian package fonts-dejavu-core)\n");
        return 1;
    }

    const QDir root(args.at(1));
    if (!root.mkpath(QStringLiteral("assets")) || !root.mkpath(QStringLiteral("Numbers"))) {
        std::fprintf(stderr, "makepictures: cannot create folders under %s\n", qPrintable(root.path()));
        return 1;
    }

    int failures = 0;
    for (const Picture &picture : allPictures()) {
        const QString path = root.filePath(picture.file);
        QString problem;
        if (!write(picture, render(picture), path, &problem))
            problem = QStringLiteral("cannot be written: %1").arg(problem);
        else
            problem = verify(picture, path);
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "makepictures: %s %s\n", qPrintable(picture.file), qPrintable(problem));
            ++failures;
        } else {
            std::printf("%-24s %3dx%-3d %s\n", qPrintable(picture.file), picture.size.width(),
                        picture.size.height(), formatName(picture.format).constData());
        }
    }
    return failures == 0 ? 0 : 1;
}
