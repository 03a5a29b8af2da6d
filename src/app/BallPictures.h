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

// The picture in the file at path, read afresh, or a null image when the file
// is missing, is not a regular file (a FIFO, a socket, a device or a folder
// is never waited on), is no picture, claims more memory than the reader may
// take, or is a GIF cut short.
QImage loadBallPicture(const QString &path);

// The one message about the pictures a click could not load: paths in the
// order they failed, repeats allowed.
QString unloadableMessage(QStringList paths);

} // namespace app
