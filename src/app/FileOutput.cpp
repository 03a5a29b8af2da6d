#include "app/FileOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace app {

bool writeWholeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode)
{
    // Following a link, as the write does: the file that would be replaced.
    const QFileInfo old(path);
    if (old.exists() && !old.isFile())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | mode))
        return false;
    if (old.exists()) {
#ifdef Q_OS_UNIX
        // The whole mode: Qt's permission flags have no setuid, setgid or
        // sticky bit.
        struct stat status;
        if (::stat(QFile::encodeName(path).constData(), &status) != 0)
            return false;
        // Only root may give a file away; anyone else keeps it as their own.
        [[maybe_unused]] const int ignored = ::fchown(file.handle(), status.st_uid, status.st_gid);
        // After the owner, whose change clears the setuid and setgid bits.
        if (::fchmod(file.handle(), status.st_mode & 07777) != 0)
            return false;
#else
        // The user bits say what this process may do, not what the file
        // allows: root may write any file, so they would make it writable.
        constexpr QFileDevice::Permissions forThisProcess =
            QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
        if (!file.setPermissions(old.permissions() & ~forThisProcess))
            return false;
#endif
    }
    // commit() does not count a failure of its own last flush, and would put
    // a short file in place on a full disk: flush first and stop there.
    return file.write(bytes) == bytes.size() && file.flush() && file.commit();
}

} // namespace app
