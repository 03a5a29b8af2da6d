#include "support/ScratchMount.h"

#include <QByteArray>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

#ifdef Q_OS_LINUX

namespace {

// Moves this thread into a mount namespace of its own, once, with nothing
// propagating back, so the mounts below stay private to the test.
QString enterPrivateNamespace()
{
    static const QString failure = [] {
        if (unshare(CLONE_NEWNS) != 0)
            return QStringLiteral("cannot make a mount namespace: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("cannot make mounts private: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return QString();
    }();
    return failure;
}

} // namespace

ScratchMount::ScratchMount(int kibibytes)
{
    if (!folder.isValid()) {
        reason = QStringLiteral("no temporary folder");
        return;
    }
    reason = enterPrivateNamespace();
    if (!reason.isEmpty())
        return;
    const QByteArray where = folder.path().toLocal8Bit();
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0777";
    if (mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0) {
        reason = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted = true;
}

ScratchMount::~ScratchMount()
{
    if (mounted)
        umount2(folder.path().toLocal8Bit().constData(), MNT_DETACH);
}

bool ScratchMount::makeReadOnly()
{
    return mounted
        && mount(nullptr, folder.path().toLocal8Bit().constData(), nullptr,
                 MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
}

bool ScratchMount::fill()
{
    if (!mounted)
        return false;
    const int fd = ::open((folder.path() + QStringLiteral("/filler")).toLocal8Bit().constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    // Pages first, then single bytes, until the file system refuses.
    const QByteArray page(4096, '\0');
    while (::write(fd, page.constData(), page.size()) == page.size()) {}
    while (::write(fd, page.constData(), 1) == 1) {}
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

#else

ScratchMount::ScratchMount(int)
{
    reason = QStringLiteral("mounting a scratch file system is only done on Linux");
}

ScratchMount::~ScratchMount() = default;

bool ScratchMount::makeReadOnly()
{
    return false;
}

bool ScratchMount::fill()
{
    return false;
}

#endif
