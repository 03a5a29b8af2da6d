#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace app {

// Puts bytes in the file at path whole, or not at all: they are written
// beside it and only then put in its place, so a write that fails leaves
// what was there as it was. A file it replaces keeps its mode (and its
// owner, where the program may set them); a link to a file stays a link,
// its target replaced. Anything at path that is not a file (a folder, a
// FIFO, a device) is refused and left untouched. mode may add Text.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode = {});

} // namespace app
