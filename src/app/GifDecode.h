#pragma once

#include <QByteArray>
#include <QImage>

namespace app {

// The first image of the GIF in bytes, painted on its screen as Qt's own
// reader paints it, or a null image when the bytes are no GIF, one cut short
// anywhere up to its trailer, one without an image, or one whose picture or
// any of whose images would take more than maxPictureBytes at four bytes a
// pixel (as Qt's readers count their allocation limit). Nothing larger is
// allocated before that is known.
QImage decodeGif(const QByteArray &bytes, qint64 maxPictureBytes);

} // namespace app
