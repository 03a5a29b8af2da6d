#include "platform/RegularFile.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <map>
#include <sys/fsuid.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>
#else
#include <QFileInfo>
#include <QSaveFile>
#endif

namespace platform {

#ifdef Q_OS_LINUX

namespace {

// A descriptor, closed when it goes. A close is never checked: what was
// written is checked by fsync.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd(fd) {}
    Fd(Fd &&other) noexcept : fd(std::exchange(other.fd, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other) {
            close();
            fd = std::exchange(other.fd, -1);
        }
        return *this;
    }
    ~Fd() { close(); }
    int get() const { return fd; }
    bool valid() const { return fd >= 0; }

private:
    void close()
    {
        if (fd >= 0)
            ::close(fd);
    }

    int fd = -1;
};

// A name for the very file a descriptor stands for, not whatever its own
// name names by now.
QByteArray nameOfDescriptor(int fd)
{
    return "/proc/self/fd/" + QByteArray::number(fd);
}

// Opens, for reading or writing, the file that an O_PATH descriptor stands
// for. An O_PATH descriptor itself opens nothing: neither a device, which
// opening can start, nor a FIFO, which waits.
Fd reopen(int node, int flags)
{
    return Fd(::open(nameOfDescriptor(node).constData(), flags | O_CLOEXEC | O_NOCTTY));
}

bool sameMode(const struct stat &a, const struct stat &b)
{
    return (a.st_mode & 07777) == (b.st_mode & 07777);
}

// A short text the kernel keeps under /proc; none where it cannot be read.
std::optional<QByteArray> procText(const char *path)
{
    const Fd file(::open(path, O_RDONLY | O_CLOEXEC));
    char text[256];
    const ssize_t got = file.valid() ? ::read(file.get(), text, sizeof text) : -1;
    return got >= 0 ? std::optional<QByteArray>(QByteArray(text, got).simplified()) : std::nullopt;
}

// One of the kernel's guards for folders that many users share, in
// /proc/sys/fs, as it stands now; the strictest value where it cannot be
// read, so that a save never goes where the kernel might not.
int guardLevel(const char *name, int strictest)
{
    bool known = false;
    const int level = procText((QByteArray("/proc/sys/fs/") + name).constData()).value_or("").toInt(&known);
    return known ? level : strictest;
}

// Where the kernel tells which ids a user namespace maps, and the id it
// shows for every one it does not.
struct IdMap {
    const char *map;
    const char *overflow;
};
constexpr IdMap Users{"/proc/self/uid_map", "/proc/sys/kernel/overflowuid"};
constexpr IdMap Groups{"/proc/self/gid_map", "/proc/sys/kernel/overflowgid"};

// Whether two ids seen through stat are one. Inside a user namespace every
// id that the namespace does not map shows as one and the same overflow id,
// so two ids seen as that one may be two: the kernel compares the real ones.
// Only the first namespace maps every id to itself. Where the overflow id or
// the map cannot be read, any id is taken as one that may be an overflow.
bool sameId(uint a, uint b, const IdMap &ids)
{
    if (a != b)
        return false;
    bool read = false;
    const uint overflow = procText(ids.overflow).value_or("").toUInt(&read);
    return (read && a != overflow) || procText(ids.map) == QByteArray("0 0 4294967295");
}

// The user the kernel checks a file's owner against; asking with an id that
// no user has changes nothing.
uid_t fileSystemUser()
{
    return uid_t(::setfsuid(uid_t(-1)));
}

// The kernel follows a link that lies in a sticky folder everyone may write,
// such as /tmp, only when it is the process's own or the folder owner's, so
// that another user cannot aim a name there at a file of ours
// (fs.protected_symlinks).
bool mayFollow(const struct stat &link, const struct stat &folder)
{
    constexpr mode_t Shared = S_ISVTX | S_IWOTH;
    return (folder.st_mode & Shared) != Shared || sameId(link.st_uid, fileSystemUser(), Users)
        || sameId(link.st_uid, folder.st_uid, Users) || guardLevel("protected_symlinks", 1) == 0;
}

// The kernel refuses an open that may create to a file that another user
// put in a sticky folder others may write, unless the folder is theirs too,
// so that a name planted there ahead of us cannot catch what we write
// (fs.protected_regular: 1 where everyone may write the folder, 2 where its
// group may as well).
bool mayOpenToCreate(const struct stat &file, const struct stat &folder)
{
    if (!(folder.st_mode & S_ISVTX) || !(folder.st_mode & (S_IWOTH | S_IWGRP))
        || sameId(file.st_uid, folder.st_uid, Users) || sameId(file.st_uid, fileSystemUser(), Users))
        return true;
    const int level = guardLevel("protected_regular", 2);
    return level == 0 || (level == 1 && !(folder.st_mode & S_IWOTH));
}

// Where a save lands: the folder, opened once, the name in it and, when
// that name is taken, what it names, which is never a link.
struct Target {
    Fd folder; // O_PATH
    struct stat folderStatus {};
    QByteArray name;
    Fd node; // O_PATH; not valid while nothing has the name
    struct stat status {};
};

// Follows links as an open that may create would, but one at a time, so
// that the file a save looks at is the file it writes: a link changed
// meanwhile no longer matters. The kernel itself follows any link among the
// folders on the way; the last links, and the file at the end, this guards
// as the kernel would. A name that nothing has yet, also where a link
// points, is a target too: the save creates it.
std::optional<Target> resolve(QByteArray path)
{
    constexpr int MaxLinks = 40; // as many as the kernel follows
    Target target;
    for (int links = 0; links <= MaxLinks; ++links) {
        const qsizetype slash = path.lastIndexOf('/');
        target.name = path.mid(slash + 1);
        if (target.name.isEmpty() || target.name == "." || target.name == "..")
            return std::nullopt; // a folder
        if (slash >= 0 || !target.folder.valid()) {
            // A relative link is read from the folder it lies in. The folder
            // is opened as "folder/.", so that the kernel guards a link among
            // the folders as it does in an open of the whole path: as one on
            // the way, not as the last.
            const QByteArray folder = slash < 0 ? QByteArray(".") : path.left(slash) + "/.";
            const int from = target.folder.valid() ? target.folder.get() : AT_FDCWD;
            target.folder = Fd(::openat(from, folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
            if (!target.folder.valid() || ::fstat(target.folder.get(), &target.folderStatus) != 0)
                return std::nullopt;
        }
        const int node = ::openat(target.folder.get(), target.name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        const bool free = node < 0 && errno == ENOENT;
        target.node = Fd(node);
        if (!target.node.valid())
            return free ? std::optional<Target>(std::move(target)) : std::nullopt;
        if (::fstat(target.node.get(), &target.status) != 0)
            return std::nullopt;
        if (!S_ISLNK(target.status.st_mode)) {
            if (S_ISREG(target.status.st_mode) && !mayOpenToCreate(target.status, target.folderStatus))
                return std::nullopt;
            return std::optional<Target>(std::move(target));
        }
        if (!mayFollow(target.status, target.folderStatus))
            return std::nullopt;
        char link[PATH_MAX];
        const ssize_t size = ::readlinkat(target.node.get(), "", link, sizeof link);
        if (size <= 0 || size == ssize_t(sizeof link))
            return std::nullopt;
        path = QByteArray(link, size);
    }
    return std::nullopt; // a loop
}

// Moves size bytes between memory and the start of a file, by call(done),
// which moves what it can from done on; false at an error or the file's end.
template <typename Call>
bool whole(qsizetype size, Call call)
{
    for (qsizetype done = 0; done < size;) {
        const ssize_t moved = call(done);
        if (moved < 0 && errno == EINTR)
            continue;
        if (moved <= 0)
            return false;
        done += moved;
    }
    return true;
}

bool writeAt(int fd, const QByteArray &bytes)
{
    return whole(bytes.size(), [&](qsizetype done) {
        return ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
    });
}

bool readAt(int fd, QByteArray &bytes)
{
    return whole(bytes.size(), [&](qsizetype done) {
        return ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
    });
}

// Makes a name just given in a folder survive a crash, where the folder can
// be opened to be synced; the file it names is synced already. The save has
// happened either way, and is not undone when the folder cannot be synced.
void syncFolder(int folder)
{
    const Fd readable = reopen(folder, O_RDONLY | O_DIRECTORY);
    if (readable.valid())
        ::fsync(readable.get());
}

// Whether a name, once made in folder, stays there for good: in an
// append-only folder (chattr +a) a name can be added, but neither taken away
// nor renamed, so a save there makes no scratch file. A folder that cannot
// be looked at is taken as such a folder; one whose file system tells
// nothing of the flag, as any other, and a scratch file that then stays
// fails the save.
bool namesStay(int folder)
{
    struct statx status;
    return ::statx(folder, "", AT_EMPTY_PATH, STATX_TYPE, &status) != 0
        || (status.stx_attributes_mask & status.stx_attributes & STATX_ATTR_APPEND);
}

// A fresh file beside the target, of a name nothing else has, taken away
// again when it goes unless it was renamed into place.
class Scratch {
public:
    Scratch(int folder, mode_t mode) : folder(folder)
    {
        for (int tries = 0; tries < 16; ++tries) {
            name = ".ziventa-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
            fd = Fd(::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
            if (fd.valid())
                return;
            if (errno != EEXIST)
                break;
        }
        name.clear();
    }
    ~Scratch() { remove(); }
    Scratch(const Scratch &) = delete;
    Scratch &operator=(const Scratch &) = delete;

    bool valid() const { return fd.valid(); }
    int get() const { return fd.get(); }
    const char *fileName() const { return name.constData(); }

    // Takes the scratch name away now; false where it stays, as in a folder
    // that keeps every name made in it without saying so.
    bool remove()
    {
        const bool gone = name.isEmpty() || ::unlinkat(folder, name.constData(), 0) == 0;
        name.clear();
        return gone;
    }
    // Renamed into place, the name is no longer the scratch file's.
    void renamed() { name.clear(); }

private:
    int folder;
    QByteArray name;
    Fd fd;
};

enum class Outcome {
    Saved,
    Failed,      // nothing of the old file changed
    NotPossible, // not this way: nothing changed, and the other way may save
    Raced,       // the name was taken meanwhile: to be looked at afresh
};

// Asks for the size of an answer first, then for the answer; an answer that
// grew meanwhile is asked for again, a few times.
template <typename Call>
std::optional<QByteArray> sizedAnswer(Call call)
{
    for (int tries = 0; tries < 8; ++tries) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray answer(qsizetype(size), Qt::Uninitialized);
        const ssize_t got = call(answer.data(), answer.size());
        if (got >= 0)
            return answer.left(got);
        if (errno != ERANGE)
            return std::nullopt;
    }
    return std::nullopt;
}

using Attributes = std::map<QByteArray, QByteArray>;

// Every extended attribute of a file, its access list among them
// (system.posix_acl_access).
std::optional<Attributes> attributesOf(int fd)
{
    const std::optional<QByteArray> names =
        sizedAnswer([fd](char *buffer, size_t size) { return ::flistxattr(fd, buffer, size); });
    if (!names)
        return errno == ENOTSUP ? std::optional<Attributes>(Attributes()) : std::nullopt;
    Attributes attributes;
    for (const QByteArray &name : names->split('\0')) {
        if (name.isEmpty())
            continue;
        const std::optional<QByteArray> value = sizedAnswer(
            [fd, &name](char *buffer, size_t size) { return ::fgetxattr(fd, name.constData(), buffer, size); });
        if (!value)
            return std::nullopt;
        attributes[name] = *value;
    }
    return attributes;
}

// The inode flags chattr sets; none where the file system has none.
int flagsOf(int fd)
{
    int flags = 0;
    return ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 ? flags : 0;
}

// Gives a new file what makes the old one what it is; false where not all
// of it can be given, so that the old one is written in place instead.
bool makeLike(int scratch, int original, const struct stat &old)
{
    const std::optional<Attributes> wanted = attributesOf(original);
    const std::optional<Attributes> had = attributesOf(scratch);
    if (!wanted || !had)
        return false;
    // Only root may give a file away; an owner that cannot be given is
    // seen as different below.
    [[maybe_unused]] const int owned = ::fchown(scratch, old.st_uid, old.st_gid);
    // After the owner, whose change drops a file's capabilities. An
    // attribute that cannot be set is seen as different below.
    for (const auto &entry : *had)
        if (!wanted->count(entry.first))
            ::fremovexattr(scratch, entry.first.constData());
    for (const auto &[name, value] : *wanted)
        ::fsetxattr(scratch, name.constData(), value.constData(), size_t(value.size()), 0);
    // Last, after the last write and the owner: either clears the setuid and
    // setgid bits.
    struct stat now;
    return ::fchmod(scratch, old.st_mode & 07777) == 0 && ::fstat(scratch, &now) == 0
        && sameId(now.st_uid, old.st_uid, Users) && sameId(now.st_gid, old.st_gid, Groups) && sameMode(now, old)
        && attributesOf(scratch) == wanted && flagsOf(scratch) == flagsOf(original);
}

// The way that survives a crash in mid-write: the bytes go to a new file
// beside the old one, which only then takes the old one's place.
Outcome replaceByRename(const Target &target, int original, const struct stat &old, const QByteArray &bytes)
{
    if (old.st_nlink != 1)
        return Outcome::NotPossible; // the other names would keep the old bytes
    const int folder = target.folder.get();
    // Readable by the user alone until it has the old file's mode.
    Scratch scratch(folder, 0600);
    if (!scratch.valid())
        return Outcome::NotPossible; // a folder the user may not write
    // Written in place only once the scratch file is gone again: a save
    // never says that it saved beside a file of its own.
    const auto otherWay = [&] { return scratch.remove() ? Outcome::NotPossible : Outcome::Failed; };
    if (!writeAt(scratch.get(), bytes))
        return Outcome::Failed;
    if (!makeLike(scratch.get(), original, old))
        return otherWay();
    if (::fsync(scratch.get()) != 0)
        return Outcome::Failed;
    // The folder is the one looked in, and the name in it named the file
    // looked at; only a name that something is mounted on cannot be
    // renamed over (EBUSY), and is written in place.
    if (::renameat(folder, scratch.fileName(), folder, target.name.constData()) != 0)
        return otherWay();
    scratch.renamed();
    syncFolder(folder);
    return Outcome::Saved;
}

// The most of a file a write in place keeps in memory to undo itself with.
constexpr off_t MaxKeptBytes = 64 * 1024 * 1024;

// Whether a write in place over a file of oldSize bytes can be finished or
// else undone. A file-size limit would stop the write or the undo part way.
// Where the file system copies on write, every byte written takes room of
// its own, so there must be room for the new bytes and, should they fail,
// for the old ones put back: on a file system that does not, that asks for
// more than a write in place takes.
bool canFinishOrUndo(int file, off_t oldSize, qsizetype newSize)
{
    if (oldSize > MaxKeptBytes)
        return false;
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0
        || (limit.rlim_cur != RLIM_INFINITY && rlim_t(std::max<off_t>(oldSize, newSize)) > limit.rlim_cur))
        return false;
    struct statvfs disk;
    return ::fstatvfs(file, &disk) == 0
        && static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize
        >= static_cast<unsigned long long>(oldSize) + static_cast<unsigned long long>(newSize);
}

// The file stays the same file, so everything about it but its bytes stays
// as it was. The whole old file is kept first, so that a write that fails,
// up to the sync of the new length, can be undone; the file is cut to its
// new length only once the new bytes are safely written.
Outcome writeInPlace(int file, const struct stat &old, const QByteArray &bytes)
{
    if (!canFinishOrUndo(file, old.st_size, bytes.size()))
        return Outcome::Failed;
    // A file opened for writing alone gives no old bytes to undo with.
    QByteArray kept(qsizetype(old.st_size), Qt::Uninitialized);
    if (!readAt(file, kept))
        return Outcome::Failed;
    const bool shorter = bytes.size() < old.st_size;
    if (!writeAt(file, bytes) || ::fsync(file) != 0
        || (shorter && (::ftruncate(file, bytes.size()) != 0 || ::fsync(file) != 0))) {
        // Should this fail as well, the file holds part of the new bytes.
        writeAt(file, kept);
        [[maybe_unused]] const int cut = ::ftruncate(file, old.st_size);
        ::fsync(file);
        return Outcome::Failed;
    }
    // A write by a process that may not keep them clears the setuid and
    // setgid bits: set again where the user may, as the file's owner.
    struct stat now;
    if (::fstat(file, &now) == 0 && !sameMode(now, old))
        ::fchmod(file, old.st_mode & 07777);
    return Outcome::Saved;
}

Outcome replace(const Target &target, const QByteArray &bytes)
{
    if (!S_ISREG(target.status.st_mode))
        return Outcome::Failed;
    // The user must be allowed to write the file itself to save over it,
    // whichever way it is then written.
    Fd file = reopen(target.node.get(), O_RDWR);
    if (!file.valid() && errno == EACCES)
        file = reopen(target.node.get(), O_WRONLY);
    struct stat old;
    if (!file.valid() || ::fstat(file.get(), &old) != 0)
        return Outcome::Failed;
    const Outcome renamed =
        namesStay(target.folder.get()) ? Outcome::NotPossible : replaceByRename(target, file.get(), old, bytes);
    return renamed == Outcome::NotPossible ? writeInPlace(file.get(), old, bytes) : renamed;
}

// Where names stay, a new file is made with no name at all and given one
// only once it is whole, so that a save that fails there leaves nothing that
// can never be taken away. A file system without such files refuses the
// save rather than leave a half-written file under the name.
Outcome createUnnamed(const Target &target, const QByteArray &bytes)
{
    const int folder = target.folder.get();
    const Fd file(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (!file.valid() || !writeAt(file.get(), bytes) || ::fsync(file.get()) != 0)
        return Outcome::Failed;
    // A name is given only where there is none yet: whatever took it
    // meanwhile is looked at afresh.
    const QByteArray unnamed = nameOfDescriptor(file.get());
    if (::linkat(AT_FDCWD, unnamed.constData(), folder, target.name.constData(), AT_SYMLINK_FOLLOW) != 0)
        return errno == EEXIST ? Outcome::Raced : Outcome::Failed;
    syncFolder(folder);
    return Outcome::Saved;
}

Outcome create(const Target &target, const QByteArray &bytes)
{
    const int folder = target.folder.get();
    if (namesStay(folder))
        return createUnnamed(target, bytes);
    Scratch scratch(folder, 0666);
    if (!scratch.valid())
        return Outcome::Failed;
    if (!writeAt(scratch.get(), bytes) || ::fsync(scratch.get()) != 0)
        return Outcome::Failed;
    // Named only while the name is still free: whatever took it meanwhile
    // is looked at afresh rather than replaced unseen.
    const char *from = scratch.fileName();
    const char *to = target.name.constData();
    bool moved = ::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0;
    bool linked = false;
    if (!moved && (errno == EINVAL || errno == ENOSYS || errno == EPERM)) {
        // A file system that cannot rename so, or a kernel or sandbox that
        // refuses to: a second name, then the scratch one goes; where a file
        // cannot have two names either, the rename alone, to a name that was
        // free a moment ago.
        linked = ::linkat(folder, from, folder, to, 0) == 0;
        if (!linked && (errno == EPERM || errno == EOPNOTSUPP))
            moved = ::renameat(folder, from, folder, to) == 0;
    }
    if (!moved && !linked)
        return errno == EEXIST ? Outcome::Raced : Outcome::Failed;
    // A second name given, the scratch one goes now: one that stays after
    // all fails the save.
    if (moved)
        scratch.renamed();
    else if (!scratch.remove())
        return Outcome::Failed;
    syncFolder(folder);
    return Outcome::Saved;
}

} // namespace

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    // A click reads 36 ball pictures through here, so each costs as few calls
    // to the system as it can: six.
    const Fd node(::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC));
    struct stat status;
    if (!node.valid() || ::fstat(node.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > maxBytes)
        return std::nullopt;
    const Fd file = reopen(node.get(), O_RDONLY);
    if (!file.valid())
        return std::nullopt;
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + done, size_t(bytes.size() - done));
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
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode)
{
    const QByteArray native = QFile::encodeName(path);
    // A name taken between the look and the naming of the new file is
    // looked at again, a few times.
    for (int tries = 0; tries < 3; ++tries) {
        const std::optional<Target> target = resolve(native);
        if (!target)
            return false;
        const Outcome outcome = target->node.valid() ? replace(*target, bytes) : create(*target, bytes);
        if (outcome != Outcome::Raced)
            return outcome == Outcome::Saved;
    }
    return false;
}

#else

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
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
}

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
        // The user bits say what this process may do, not what the file
        // allows: root may write any file, so they would make it writable.
        constexpr QFileDevice::Permissions forThisProcess =
            QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
        if (!file.setPermissions(old.permissions() & ~forThisProcess))
            return false;
    }
    // commit() does not count a failure of its own last flush, and would put
    // a short file in place on a full disk: flush first and stop there.
    return file.write(bytes) == bytes.size() && file.flush() && file.commit();
}

#endif

} // namespace platform
