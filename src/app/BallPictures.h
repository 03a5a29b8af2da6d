#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace app {

// The relative folder that holds the ball pictures.
QString ballPictureFolder();

// The relative path of the picture of ball n (1 to 49), resolved against the
// current directory at each load so an installation can move the pictures
// without rebuilding. Any other number has no picture: the empty string.
QString ballPicturePath(int n);

// The GIF in the file at path, read afresh and painted as Qt's own reader
// paints its first image, or a null image when the file is missing, is not a
// regular file (a FIFO, a socket, a device or a folder is never waited on),
// is over 8 MB, is no GIF or one cut short, or claims for its screen or any
// of its images more memory than PictureAllocationLimitMb.
QImage loadBallPicture(const QString &path);

// The one message about the pictures a click could not load: paths in the
// order they failed, repeats allowed.
QString unloadableMessage(QStringList paths);

} // namespace app
