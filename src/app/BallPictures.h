#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace app {

// The most one picture read from disk may take, in megabytes: the ball
// pictures, and through Qt's readers the window's own. The largest picture
// the program shows needs under 2; a picture whose header claims more is
// damaged or hostile, and is refused before anything is allocated.
constexpr int PictureAllocationLimitMb = 8;

// The relative folder that holds the ball pictures.
QString ballPictureFolder();

// The relative path of the picture of ball n (1 to 49), resolved against the
// current directory at each load so an installation can move the pictures
// without rebuilding. Any other number has no picture: the empty string.
QString ballPicturePath(int n);

// The GIF in the file at path, read afresh and painted as Qt's own reader
// paints its first image, or a null image when the file is missing, is not a
// regular file (a FIFO, a socket, a device or a folder is never opened),
// is over 8 MB, is no GIF or one cut short, or would take for its picture or
// any of its images more memory than PictureAllocationLimitMb.
QImage loadBallPicture(const QString &path);

// The one message about the pictures a click could not load: paths in the
// order they failed, repeats allowed.
QString unloadableMessage(QStringList paths);

} // namespace app
