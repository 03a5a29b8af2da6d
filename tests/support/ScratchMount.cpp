#include "support/ScratchMount.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_LINUX
#include <algorithm>
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

ScratchMount::ScratchMount(int kibibytes, Kind kind)
{
    if (!folder.isValid()) {
        reason = QStringLiteral("no temporary folder");
        return;
    }
    reason = enterPrivateNamespace();
    if (!reason.isEmpty())
        return;
    if (kind == Btrfs) {
        mounted = mountBtrfs(kibibytes);
        return;
    }
    const QByteArray where = folder.path().toLocal8Bit();
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0777";
    if (mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0) {
        reason = QStringLiteral("cannot mount a tmpfs: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    mounted = true;
}

// mount(8) finds a free loop device and lets it go again at the unmount.
bool ScratchMount::mountBtrfs(int kibibytes)
{
    QString mkfs = QStandardPaths::findExecutable(QStringLiteral("mkfs.btrfs"));
    if (mkfs.isEmpty()) // not on every user's PATH
        mkfs = QStandardPaths::findExecutable(QStringLiteral("mkfs.btrfs"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (mkfs.isEmpty()) {
        reason = QStringLiteral("no mkfs.btrfs here (btrfs-progs)");
        return false;
    }
    if (!image.open() || !image.resize(qint64(kibibytes) * 1024)) {
        reason = QStringLiteral("cannot make an image file: %1").arg(image.errorString());
        return false;
    }
    image.close();
    const auto run = [this](const QString &program, const QStringList &arguments) {
        QProcess tool;
        tool.setProcessChannelMode(QProcess::MergedChannels);
        tool.start(program, arguments);
        if (tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
            return true;
        const QString said = QString::fromLocal8Bit(tool.readAll()).trimmed();
        reason = QStringLiteral("%1 failed: %2").arg(program, said.isEmpty() ? tool.errorString() : said);
        return false;
    };
    return run(mkfs, {QStringLiteral("-q"), image.fileName()})
        && run(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("loop"), image.fileName(), folder.path()});
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

namespace {

// Commits what was written and freed, so that the room the file system
// tells and gives is the room there is.
void syncAll(int fd)
{
    ::fsync(fd);
    ::syncfs(fd);
}

} // namespace

// The file that takes up the room, for writing.
int ScratchMount::openFiller(int flags) const
{
    return ::open((folder.path() + QStringLiteral("/filler")).toLocal8Bit().constData(), O_WRONLY | O_CREAT | flags, 0644);
}

bool ScratchMount::fill(qint64 leaving)
{
    if (!mounted)
        return false;
    const int fd = openFiller(O_APPEND);
    if (fd < 0)
        return false;
    syncAll(fd); // what was written before takes its room first
    // Large writes first, then smaller ones, until the file system refuses;
    // one that copies on write may find more room once what it has is
    // committed.
    const QByteArray page(1024 * 1024, '\0');
    bool full = false;
    for (const qsizetype size : {page.size(), qsizetype(65536), qsizetype(4096)}) {
        for (int round = 0; round < 3; ++round) {
            while (::write(fd, page.constData(), size_t(size)) == size) {}
            full = errno == ENOSPC;
            syncAll(fd);
        }
    }
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const bool left = full && ::ftruncate(fd, std::max<off_t>(0, size - off_t(leaving))) == 0;
    syncAll(fd);
    ::close(fd);
    return left;
}

bool ScratchMount::empty()
{
    if (!mounted)
        return false;
    const int fd = openFiller(O_TRUNC);
    if (fd < 0)
        return false;
    syncAll(fd);
    ::close(fd);
    return true;
}

#else

ScratchMount::ScratchMount(int, Kind)
{
    reason = QStringLiteral("mounting a scratch file system is only done on Linux");
}

ScratchMount::~ScratchMount() = default;

bool ScratchMount::makeReadOnly()
{
    return false;
}

bool ScratchMount::fill(qint64)
{
    return false;
}

bool ScratchMount::empty()
{
    return false;
}

#endif
