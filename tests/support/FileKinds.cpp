#include "support/FileKinds.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>
#endif

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList namesIn(const QString &folder)
{
    QStringList names;
    std::error_code failed;
    for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(folder).toStdString(), failed))
        names << QFile::decodeName(QByteArray::fromStdString(entry.path().filename().string()));
    names.sort();
    return names;
}

#ifdef Q_OS_UNIX

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

bool makeFifo(const QString &path)
{
    return ::mkfifo(native(path).constData(), 0644) == 0;
}

bool makeDeviceNode(const QString &path)
{
    return ::mknod(native(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

bool makeSocket(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = native(path);
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    // The socket file stays when the socket itself is closed.
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

QString kindOf(const QString &path)
{
    struct stat status;
    if (::lstat(native(path).constData(), &status) != 0)
        return QStringLiteral("missing");
    if (S_ISREG(status.st_mode))
        return QStringLiteral("file");
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("folder");
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("FIFO");
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return QStringLiteral("device");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("socket");
    if (S_ISLNK(status.st_mode))
        return QStringLiteral("link");
    return QStringLiteral("other");
}

#else

bool makeFifo(const QString &)
{
    return false;
}

bool makeDeviceNode(const QString &)
{
    return false;
}

bool makeSocket(const QString &)
{
    return false;
}

QString kindOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return QStringLiteral("link");
    if (!info.exists())
        return QStringLiteral("missing");
    return info.isDir() ? QStringLiteral("folder") : info.isFile() ? QStringLiteral("file") : QStringLiteral("other");
}

#endif
