#include "support/KernelGuards.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray valueOf(const QByteArray &path)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// Written with one call, as the kernel takes a value.
bool setValue(const QByteArray &path, const QByteArray &value)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::write(fd, value.constData(), size_t(value.size())) == value.size();
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    errno = error;
    return written;
}

} // namespace

KernelGuards::KernelGuards(int symlinks, int regular)
{
    const std::pair<const char *, int> wanted[] = {{"protected_symlinks", symlinks}, {"protected_regular", regular}};
    for (const auto &[name, level] : wanted) {
        const QByteArray path = QByteArray("/proc/sys/fs/") + name;
        const QByteArray before = valueOf(path);
        const QByteArray value = QByteArray::number(level);
        if (before == value)
            continue;
        if (before.isEmpty() || !setValue(path, value)) {
            reason = QStringLiteral("fs.%1 is %2 and cannot be set to %3 here: %4")
                         .arg(QLatin1String(name), QString::fromLatin1(before), QString::fromLatin1(value),
                              QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        changed.append({path, before});
    }
}

KernelGuards::~KernelGuards()
{
    for (auto value = changed.crbegin(); value != changed.crend(); ++value)
        setValue(value->path, value->before);
}

#else

KernelGuards::KernelGuards(int, int) : reason(QStringLiteral("the kernel's guards are Linux's"))
{
}

KernelGuards::~KernelGuards() = default;

#endif
