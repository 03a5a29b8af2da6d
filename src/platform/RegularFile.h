#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// The bytes of the regular file at path, when it holds at most maxBytes.
// Anything a user may have put there instead (a FIFO, a socket, a device, a
// folder, a link to one of them) is refused without being opened in a way
// that could wait or start a device, and nothing larger than maxBytes is
// ever allocated for. A file that grows while it is read gives what it held
// when opened.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

} // namespace platform
