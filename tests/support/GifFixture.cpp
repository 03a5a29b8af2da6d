#include "support/GifFixture.h"

#include <QtEndian>

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
    QByteArray gif("GIF89a");
    appendSize(gif, width, height);
    gif.append("\x80\x00\x00", 3);                 // a global table of 2 colours
    gif.append("\x00\x00\x00\xff\xff\xff", 6);     // black, white
    gif.append(',');                               // the image, at 0,0
    gif.append("\x00\x00\x00\x00", 4);
    appendSize(gif, width, height);
    gif.append('\x00');                            // no table of its own
    // Codes of 3 bits: clear (4), then end of information (5).
    gif.append("\x02\x01\x2c\x00", 4);
    gif.append(';');
    return gif;
}
