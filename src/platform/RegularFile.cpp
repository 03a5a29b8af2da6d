#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QScopeGuard>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
#ifdef Q_OS_UNIX
    // A click reads 36 ball pictures through here, so each costs as few calls
    // to the system as it can: five.
    const QByteArray name = QFile::encodeName(path);
    struct stat status;
    // Looked at before it is opened: opening a device can start it.
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    // Checked again on what was opened, in case the path changed meanwhile;
    // O_NONBLOCK keeps the open itself from waiting on a FIFO.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto close = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return std::nullopt;
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // cut short meanwhile: what is left
        done += got;
    }
    bytes.truncate(done);
    return bytes;
#else
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size > maxBytes)
        return std::nullopt;
    QByteArray bytes = file.read(size);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
#endif
}

} // namespace platform
