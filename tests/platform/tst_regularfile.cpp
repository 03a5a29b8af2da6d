// The files a user may have replaced: a save keeps the file it saves over
// what it was, a save that fails leaves it as it was, and no link turned
// meanwhile makes a save or a read touch anything but a regular file.
#include "platform/RegularFile.h"
#include "SystemCallFaults.h"
#include "support/FileKinds.h"
#include "support/KernelGuards.h"
#include "support/LinkRace.h"
#include "support/ScratchMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <map>
#include <optional>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using platform::writeWholeFile;

namespace {

const QByteArray OldBytes = "the boards of an earlier day\n";
const QByteArray NewBytes = "the boards of today\n";

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Of the file at path itself, not following a link.
struct stat statusOf(const QString &path)
{
    struct stat status {};
    if (::lstat(native(path).constData(), &status) != 0)
        status.st_ino = 0;
    return status;
}

// What a tool prints; nothing when it cannot run or fails.
std::optional<QString> output(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// The inode flags chattr sets, after adding those of added and taking away
// those of removed; -1 where the file system has none or they cannot be set.
int inodeFlags(const QString &path, int added = 0, int removed = 0)
{
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    const bool known = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0
        && ((added | removed) == 0
            || (flags = (flags | added) & ~removed, ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0));
    if (fd >= 0)
        ::close(fd);
    return known ? flags : -1;
}

// A folder made append-only (chattr +a) for as long as this lives: a name can
// be added there, but neither taken away nor renamed. Only root may.
class AppendOnly {
public:
    explicit AppendOnly(const QString &folder) : folder(folder), set(inodeFlags(folder, FS_APPEND_FL) >= 0) {}
    ~AppendOnly()
    {
        if (set)
            inodeFlags(folder, 0, FS_APPEND_FL);
    }
    AppendOnly(const AppendOnly &) = delete;
    AppendOnly &operator=(const AppendOnly &) = delete;

    bool isSet() const { return set; }

private:
    QString folder;
    bool set;
};

// The names in folder, a scratch file's random one as ".ziventa-*".
QStringList namesLeftIn(const QString &folder)
{
    QStringList names = namesIn(folder);
    for (QString &name : names)
        if (name.startsWith(".ziventa-"))
            name = QStringLiteral(".ziventa-*");
    return names;
}

// Who takes part in a save as another user: the user who saves, another
// user (root, or where root saves, someone else), and a group the saving
// user is a member of; in the kernel's guards, a third user, and nobody,
// whose id is the one a user namespace shows for every id it does not map.
enum Role { User, Other, Shared, Third, NobodyAtAll };

constexpr uid_t Nobody = 65534;
constexpr uid_t SomeoneElse = 4243;
constexpr uid_t ThirdUser = 4244;
constexpr gid_t SharedGroup = 4242;

const char SaveAsVariable[] = "ZIVENTA_SAVE_AS";
constexpr int NoNamespace = 3;

// The inode a save leaves under a name says which way it went: a new one
// where it wrote a new file and renamed it into place, the same one where it
// wrote the file in place.
QString wayOf(ino_t before, ino_t after, bool saved)
{
    if (!saved)
        return QStringLiteral("none");
    return before == after ? QStringLiteral("in place") : QStringLiteral("rename");
}

// A save in a process of the test's own, started again with SaveAsVariable
// set to how it saves, the path last, spaces and all: "user uid gid group
// path" gives up root for that user first, "namespace path" enters a user
// namespace that maps only the test's own id. It asks the kernel first, with
// an open of path for writing that may create, and prints on its last line
// "opened O saved S". Where user namespaces are not allowed it says so and
// ends with NoNamespace.
int childMain()
{
    const QList<QByteArray> given = qgetenv(SaveAsVariable).split(' ');
    qsizetype pathAt = 0;
    if (given[0] == "user" && given.size() >= 5) {
        const gid_t groups[] = {gid_t(given[3].toUInt())};
        if (::setgroups(1, groups) != 0 || ::setgid(gid_t(given[2].toUInt())) != 0
            || ::setuid(uid_t(given[1].toUInt())) != 0 || ::geteuid() == 0) {
            std::perror("giving up root");
            return 2;
        }
        pathAt = 4;
    } else if (given[0] == "namespace" && given.size() >= 2) {
        const QByteArray map = QByteArray::number(::geteuid()) + ' ' + QByteArray::number(::geteuid()) + " 1";
        int mapFile = -1;
        if (::unshare(CLONE_NEWUSER) != 0 || (mapFile = ::open("/proc/self/uid_map", O_WRONLY | O_CLOEXEC)) < 0
            || ::write(mapFile, map.constData(), size_t(map.size())) != ssize_t(map.size())) {
            std::perror("no user namespace that maps only the test's own id is allowed here");
            return NoNamespace;
        }
        ::close(mapFile);
        pathAt = 1;
    } else {
        return 2;
    }
    const QByteArray path = given.mid(pathAt).join(' ');
    const int opened = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (opened >= 0)
        ::close(opened);
    const bool saved = writeWholeFile(QFile::decodeName(path), NewBytes);
    std::printf("opened %d saved %d\n", int(opened >= 0), int(saved));
    return 0;
}

// What childMain() found, asked how to save path: whether the kernel let
// its open go and the save said it saved; else why nothing could be asked.
struct ChildSave {
    bool opened = false;
    bool saved = false;
    int exitCode = -1;
    QString said;
};

ChildSave saveInChild(const QString &how, const QString &path)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(SaveAsVariable, how + ' ' + path);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {});
    ChildSave save;
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit) {
        save.said = QStringLiteral("the child did not end of itself");
        return save;
    }
    save.exitCode = child.exitCode();
    save.said = QString::fromLocal8Bit(child.readAll()).trimmed();
    const QString last = save.said.section('\n', -1);
    save.opened = last.contains(QStringLiteral("opened 1"));
    save.saved = last.endsWith(QStringLiteral("saved 1"));
    return save;
}

} // namespace

class TestRegularFile : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::optional<AppendOnly> appendOnly; // of dir, while a test needs it so

    QString inDir(const QString &name) const { return dir->filePath(name); }

    // What a row makes of the file before the save, and what of it must
    // come through the save unchanged.
    bool prepare(const QString &kind, const QString &file)
    {
        if (kind == "a second name")
            return ::link(native(file).constData(), native(inDir("second name.txt")).constData()) == 0;
        if (kind == "an access list") {
            if (::chmod(native(file).constData(), 0640) != 0)
                return false;
            return output("setfacl", {"-m", "u:65534:rw", file}).has_value();
        }
        if (kind == "a user attribute")
            return ::setxattr(native(file).constData(), "user.ziventa", "kept", 4, 0) == 0;
        if (kind == "a nodump flag")
            return inodeFlags(file, FS_NODUMP_FL) >= 0;
        if (kind == "an append-only folder")
            return appendOnly.emplace(dir->path()).isSet();
        if (kind == "a group not mapped")
            return ::chown(native(file).constData(), uid_t(-1), SharedGroup) == 0;
        return false;
    }

    QString keptOf(const QString &kind, const QString &file) const
    {
        const struct stat status = statusOf(file);
        QString kept = QStringLiteral("owner %1, group %2, mode %3")
                           .arg(status.st_uid).arg(status.st_gid).arg(status.st_mode & 07777, 0, 8);
        if (kind == "a second name")
            kept += QStringLiteral(", inode %1 of %2 names").arg(status.st_ino).arg(status.st_nlink);
        else if (kind == "an access list")
            kept += QStringLiteral(", ") + output("getfacl", {"--omit-header", file}).value_or("no getfacl");
        else if (kind == "a user attribute") {
            char value[16] = {};
            kept += QStringLiteral(", user.ziventa ")
                + QString::fromLatin1(value, int(::getxattr(native(file).constData(), "user.ziventa", value, sizeof value)));
        } else if (kind == "a nodump flag") {
            kept += QStringLiteral(", flags %1").arg(inodeFlags(file), 0, 16);
        }
        return kept;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }

    void cleanup()
    {
        faults::disarm();
        appendOnly.reset();
        dir.reset();
    }

    // A saved file is the same file as before, with new bytes.
    void keptAsItWas_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("way");
        QTest::newRow("a second name (a hard link)") << "a second name" << "in place";
        QTest::newRow("an access list, its mask rw") << "an access list" << "rename";
        QTest::newRow("an extended attribute") << "a user attribute" << "rename";
        // No new file can be given the flags chattr sets.
        QTest::newRow("an inode flag") << "a nodump flag" << "in place";
        // Where no name can be taken away again, no scratch file is made.
        QTest::newRow("in an append-only folder") << "an append-only folder" << "in place";
        // There every group it does not map looks the same: a new file's
        // cannot be told from the old one's.
        QTest::newRow("a group, seen from a user namespace that does not map it")
            << "a group not mapped" << "in place";
    }

    void keptAsItWas()
    {
        QFETCH(QString, kind);
        QFETCH(QString, way);
        const QString file = inDir("results.txt");
        QVERIFY(writeAll(file, OldBytes));
        if (!prepare(kind, file))
            QSKIP(qPrintable(QStringLiteral("this file system or this machine does not allow ") + kind));
        const QString kept = keptOf(kind, file);
        const QStringList entries = namesIn(dir->path());
        const ino_t inode = statusOf(file).st_ino;

        if (kind == "a group not mapped") {
            const ChildSave save = saveInChild(QStringLiteral("namespace"), file);
            if (save.exitCode == NoNamespace)
                QSKIP(qPrintable(save.said));
            QVERIFY2(save.exitCode == 0 && save.saved, qPrintable(save.said));
        } else {
            QVERIFY(writeWholeFile(file, NewBytes));
        }

        QCOMPARE(wayOf(inode, statusOf(file).st_ino, true), way);
        QCOMPARE(readAll(file), NewBytes);
        QCOMPARE(keptOf(kind, file), kept);
        QCOMPARE(namesIn(dir->path()), entries);
        if (kind == "a second name")
            QCOMPARE(readAll(inDir("second name.txt")), NewBytes);
        if (kind == "an access list") {
            // The mask is not the owning group's own entry.
            QVERIFY2(kept.contains("group::r--") && kept.contains("mask::rw-"), qPrintable(kept));
            QCOMPARE(statusOf(file).st_mode & 07777, mode_t(0660));
        }
    }

    // Saves by a user who is not root, over files as they lie on a shared
    // machine. Run as root, the suite sets each file up and has a child
    // process of its own save as nobody.
    void asAnotherUser_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("folderOwner");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("fileOwner");
        QTest::addColumn<int>("fileGroup");
        QTest::addColumn<QString>("way"); // the save went: "rename", "in place" or "none"
        // No new file can be given back to root.
        QTest::newRow("root's file of a group the user is in")
            << 0777 << int(Other) << 0664 << int(Other) << int(Shared) << "in place";
        QTest::newRow("the user's own setuid and setgid file")
            << 0755 << int(User) << 06755 << int(User) << int(User) << "rename";
        QTest::newRow("the user's own file in a folder they may not write")
            << 0555 << int(User) << 0644 << int(User) << int(User) << "in place";
        QTest::newRow("a file open to all, in a sticky folder of another user")
            << 01777 << int(Other) << 0666 << int(Other) << int(Other) << "in place";
        QTest::newRow("the user's own file, in a sticky folder of another user")
            << 01777 << int(Other) << 0640 << int(User) << int(User) << "rename";
        // Written in place, a failed write could not be undone: refused.
        QTest::newRow("a file they may write but not read, in a folder they may not write")
            << 0755 << int(Other) << 0622 << int(Other) << int(Other) << "none";
    }

    void asAnotherUser()
    {
        QFETCH(int, folderMode);
        QFETCH(int, folderOwner);
        QFETCH(int, fileMode);
        QFETCH(int, fileOwner);
        QFETCH(int, fileGroup);
        QFETCH(QString, way);
        const bool saved = way != "none";
        const bool root = ::geteuid() == 0;
        if (!root && (folderOwner != User || fileOwner != User || fileGroup != User))
            QSKIP("only root may give a file or a folder to another user or group");
        const uid_t userId = root ? Nobody : ::getuid();
        const gid_t userGroup = root ? gid_t(Nobody) : ::getgid();
        auto uidOf = [&](int role) { return role == User ? userId : uid_t(0); };
        auto gidOf = [&](int role) { return role == User ? userGroup : role == Shared ? SharedGroup : gid_t(0); };

        // The user must reach the folder, whatever it lets them do inside.
        QVERIFY(::chmod(native(dir->path()).constData(), 0755) == 0);
        const QString folder = inDir("folder");
        const QString file = folder + "/results.txt";
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(writeAll(file, OldBytes));
        QVERIFY(::chown(native(file).constData(), uidOf(fileOwner), gidOf(fileGroup)) == 0);
        QVERIFY(::chmod(native(file).constData(), mode_t(fileMode)) == 0); // after the owner, which clears setuid
        QVERIFY(::chown(native(folder).constData(), uidOf(folderOwner), gidOf(folderOwner)) == 0);
        QVERIFY(::chmod(native(folder).constData(), mode_t(folderMode)) == 0);
        const struct stat before = statusOf(file);

        if (root) {
            const ChildSave save =
                saveInChild(QStringLiteral("user %1 %2 %3").arg(userId).arg(userGroup).arg(SharedGroup), file);
            QVERIFY2(save.exitCode == 0, qPrintable(save.said));
            QVERIFY2(save.saved == saved, qPrintable(save.said));
        } else {
            QCOMPARE(writeWholeFile(file, NewBytes), saved);
        }

        // The folder gives the test its own way in again.
        QVERIFY(::chmod(native(folder).constData(), 0755) == 0);
        QCOMPARE(readAll(file), saved ? NewBytes : OldBytes);
        const struct stat after = statusOf(file);
        QCOMPARE(wayOf(before.st_ino, after.st_ino, saved), way);
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        QCOMPARE(after.st_mode & 07777, before.st_mode & 07777);
        QCOMPARE(namesIn(folder), QStringList{"results.txt"});
    }

    // Each call to the system a save makes fails in turn, one per save. A
    // save that goes on regardless has saved all of its bytes; one that
    // fails has left the old file exactly as it was, bytes, length and
    // inode, and no file of its own beside it.
    void failedWrites_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("newSize");
        QTest::newRow("by rename, longer") << "rename" << 5000;
        QTest::newRow("by rename, shorter") << "rename" << 1000;
        QTest::newRow("in place, longer") << "in place" << 5000;
        QTest::newRow("in place, shorter") << "in place" << 1000;
        QTest::newRow("in place, emptied") << "in place" << 0;
        QTest::newRow("a new file") << "new" << 1000;
        QTest::newRow("a new file, in an append-only folder") << "new, append-only" << 1000;
    }

    void failedWrites()
    {
        QFETCH(QString, way);
        QFETCH(int, newSize);
        QByteArray old(3000, 'o');
        old.append("the end of the old file");
        const QByteArray bytes = QByteArray("new ").repeated(newSize / 4);
        int refused = 0;
        for (int failing = 1;; ++failing) {
            QTemporaryDir folder;
            std::optional<AppendOnly> appendOnlyFolder;
            if (way.endsWith("append-only") && !appendOnlyFolder.emplace(folder.path()).isSet())
                QSKIP("only root may make a folder append-only, where the file system allows it");
            const bool fresh = way.startsWith("new");
            const QString file = folder.filePath("results.txt");
            if (!fresh)
                QVERIFY(writeAll(file, old));
            if (way == "in place") // a second name is kept only by a write in place
                QVERIFY(::link(native(file).constData(), native(folder.filePath("twin.txt")).constData()) == 0);
            const QStringList entries = namesIn(folder.path());
            const ino_t inode = statusOf(file).st_ino;

            faults::arm(failing);
            const bool saved = writeWholeFile(file, bytes);
            const int calls = faults::disarm();

            const QByteArray at = QByteArray("with call ") + QByteArray::number(failing) + " failed";
            if (saved) {
                QVERIFY2(readAll(file) == bytes, at);
                if (way == "in place")
                    QVERIFY2(readAll(folder.filePath("twin.txt")) == bytes, at);
                QStringList now = entries;
                if (fresh)
                    now = QStringList{"results.txt"};
                QVERIFY2(namesIn(folder.path()) == now, at);
            } else {
                ++refused;
                QVERIFY2(namesIn(folder.path()) == entries, at);
                if (!fresh) {
                    QVERIFY2(readAll(file) == old, at);
                    QVERIFY2(statusOf(file).st_ino == inode, at);
                }
            }
            if (calls < failing) { // the save ran its course without the failure
                QVERIFY(saved);
                break;
            }
        }
        QVERIFY(refused > 0);
    }

    // A file system with no room left: the new bytes do not fit beside the
    // old ones, nor past the old file's end.
    void fullFileSystem_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("by rename") << "rename";
        QTest::newRow("in place") << "in place";
    }

    void fullFileSystem()
    {
        QFETCH(QString, way);
        ScratchMount scratch(64);
        if (!scratch.isMounted())
            QSKIP(qPrintable(QStringLiteral("no small file system to fill here: ") + scratch.why()));
        const QString file = scratch.path() + "/results.txt";
        QVERIFY(writeAll(file, OldBytes));
        if (way == "in place")
            QVERIFY(::link(native(file).constData(), native(scratch.path() + "/twin.txt").constData()) == 0);
        QVERIFY(scratch.fill());
        const QStringList entries = namesIn(scratch.path());

        QVERIFY(!writeWholeFile(file, QByteArray(20000, 'n')));

        QCOMPARE(readAll(file), OldBytes);
        QCOMPARE(namesIn(scratch.path()), entries);
    }

    // A disk that copies on write and is nearly full, under a file with a
    // second name, which only a write in place keeps: there every byte
    // written takes room of its own, the new ones and the old ones put back
    // alike. At every amount of room the save either saves whole or fails
    // with every old byte under both names; with room enough it saves.
    void nearlyFullDisk_data()
    {
        QTest::addColumn<QString>("disk");
        QTest::newRow("btrfs") << "btrfs";
        QTest::newRow("simulated, by the failing calls") << "simulated";
    }

    void nearlyFullDisk()
    {
        QFETCH(QString, disk);
        std::optional<ScratchMount> scratch;
        QString folder = dir->path();
        if (disk == "btrfs") {
            scratch.emplace(110 * 1024, ScratchMount::Btrfs);
            if (!scratch->isMounted())
                QSKIP(qPrintable(QStringLiteral("no btrfs to fill here: ") + scratch->why()));
            folder = scratch->path();
        }
        const QString file = folder + "/results.pdf";
        const QString twin = folder + "/twin.pdf";
        const QByteArray old(228000, 'o');
        const QByteArray bytes(200000, 'n');
        QVERIFY(writeAll(file, old));
        QVERIFY(::link(native(file).constData(), native(twin).constData()) == 0);
        const qint64 both = old.size() + bytes.size();
        int saved = 0;
        int refused = 0;
        for (qint64 room = 0; room <= 3 * both; room += both / 8) {
            if (scratch)
                QVERIFY(scratch->empty());
            QVERIFY(writeAll(file, old)); // the same file, under its second name too
            if (scratch)
                QVERIFY(scratch->fill(room));
            else
                faults::limitRoom(room);
            const bool done = writeWholeFile(file, bytes);
            faults::disarm();

            const QByteArray at = "with " + QByteArray::number(room) + " bytes of room";
            QVERIFY2(readAll(file) == (done ? bytes : old), at + (done ? " saved" : " failed") + ", but not whole");
            QVERIFY2(readAll(twin) == readAll(file), at);
            (done ? saved : refused) += 1;
        }
        QVERIFY2(saved > 0 && refused > 0, qPrintable(QStringLiteral("%1 saved, %2 refused").arg(saved).arg(refused)));
    }

    // A disk that fails once more while the old bytes are put back: that
    // save cannot undo itself, but it still says that it failed.
    void undoThatFails()
    {
        const QString file = inDir("results.txt");
        const QByteArray old(3000, 'o');
        QVERIFY(writeAll(file, old));
        QVERIFY(::link(native(file).constData(), native(inDir("twin.txt")).constData()) == 0);

        faults::limitRoom(1000, false);
        const bool saved = writeWholeFile(file, QByteArray(5000, 'n'));
        faults::disarm();

        QVERIFY(!saved);
        QVERIFY(readAll(file).startsWith(QByteArray(1000, 'n'))); // the write did begin, and could not be undone
    }

    // A file so large that a write in place cannot keep it to undo itself
    // with is refused, and left as it was.
    void tooLargeToKeep()
    {
        const QString file = inDir("results.txt");
        constexpr off_t size = 64 * 1024 * 1024 + 1;
        QVERIFY(writeAll(file, OldBytes));
        QVERIFY(::truncate(native(file).constData(), size) == 0); // sparse: no room taken
        QVERIFY(::link(native(file).constData(), native(inDir("twin.txt")).constData()) == 0);

        QVERIFY(!writeWholeFile(file, NewBytes));

        QCOMPARE(statusOf(file).st_size, size);
        QVERIFY(readAll(file).startsWith(OldBytes));
    }

    // A new file is named only while its name is free; where the kernel, a
    // sandbox or the file system will not rename so, the save names it
    // another way, and a name that cannot be given at all fails the save.
    // In a folder where no name can be taken away again, the new file is the
    // one name the save makes; where the folder does not say so, a scratch
    // name that stays fails the save.
    void newNames_data()
    {
        QTest::addColumn<QStringList>("refused"); // "call errno" each
        QTest::addColumn<QString>("folder"); // "append-only", "append-only, untold" where statx tells nothing of it
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QStringList>("left");
        const QStringList saved{"results.txt"};
        QTest::newRow("renameat2 unknown to the kernel") << QStringList{"renameat2 ENOSYS"} << "" << true << saved;
        QTest::newRow("renameat2 refused by a sandbox") << QStringList{"renameat2 EPERM"} << "" << true << saved;
        QTest::newRow("a file system that cannot rename so") << QStringList{"renameat2 EINVAL"} << "" << true << saved;
        QTest::newRow("nor give a file a second name")
            << QStringList{"renameat2 EINVAL", "linkat EPERM"} << "" << true << saved;
        QTest::newRow("a failing disk") << QStringList{"renameat2 EIO"} << "" << false << QStringList();
        QTest::newRow("an append-only folder") << QStringList() << "append-only" << true << saved;
        QTest::newRow("an append-only folder that cannot be looked at")
            << QStringList{"statx EIO"} << "append-only" << true << saved;
        QTest::newRow("an append-only folder its file system tells nothing of")
            << QStringList() << "append-only, untold" << false << QStringList{".ziventa-*", "results.txt"};
    }

    void newNames()
    {
        QFETCH(QStringList, refused);
        QFETCH(QString, folder);
        QFETCH(bool, saved);
        QFETCH(QStringList, left);
        if (folder.startsWith("append-only") && !appendOnly.emplace(dir->path()).isSet())
            QSKIP("only root may make a folder append-only, where the file system allows it");
        const std::map<QString, int> errors{{"ENOSYS", ENOSYS}, {"EPERM", EPERM}, {"EINVAL", EINVAL}, {"EIO", EIO}};
        QList<QByteArray> calls;
        for (const QString &refusal : refused)
            calls << refusal.section(' ', 0, 0).toLatin1();
        for (int i = 0; i < refused.size(); ++i)
            faults::refuse(calls[i].constData(), errors.at(refused[i].section(' ', 1)));
        if (folder.endsWith("untold"))
            faults::hideAttributes();
        const bool done = writeWholeFile(inDir("results.txt"), NewBytes);
        faults::disarm();

        QCOMPARE(done, saved);
        QCOMPARE(namesLeftIn(dir->path()), left);
        if (saved)
            QCOMPARE(readAll(inDir("results.txt")), NewBytes);
    }

    // The kernel's guards for sticky folders that others may write, such as
    // /tmp, set on and off: the save goes where the kernel lets an open of
    // the same path for writing, that may create, go, and nowhere else. The
    // test asks the kernel that with an open of its own, of a harmless file.
    void kernelGuards_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("folderOwner"); // User, the test's own user, or another
        QTest::addColumn<QString>("entry");   // in the folder: "link" or "folder link" to the file, or the "file"
        QTest::addColumn<int>("entryOwner");
        QTest::addColumn<int>("symlinks"); // fs.protected_symlinks
        QTest::addColumn<int>("regular");  // fs.protected_regular
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("namespaced"); // seen from a user namespace that maps only the test's own id
        QTest::newRow("another user's link, in a sticky folder all may write")
            << 01777 << int(User) << "link" << int(Other) << 1 << 2 << false << false;
        QTest::newRow("another user's link there, the guards off")
            << 01777 << int(User) << "link" << int(Other) << 0 << 0 << true << false;
        QTest::newRow("one's own link, in another user's sticky folder")
            << 01777 << int(Other) << "link" << int(User) << 1 << 2 << true << false;
        QTest::newRow("the folder owner's link there")
            << 01777 << int(Other) << "link" << int(Other) << 1 << 2 << true << false;
        QTest::newRow("another user's link, in a folder all may write that is not sticky")
            << 0777 << int(User) << "link" << int(Other) << 1 << 2 << true << false;
        // The kernel guards only the last link of a path.
        QTest::newRow("another user's link to a folder on the way")
            << 01777 << int(User) << "folder link" << int(Other) << 1 << 2 << true << false;
        QTest::newRow("another user's file, in a sticky folder all may write")
            << 01777 << int(User) << "file" << int(Other) << 1 << 1 << false << false;
        QTest::newRow("another user's file there, the guards off")
            << 01777 << int(User) << "file" << int(Other) << 0 << 0 << true << false;
        QTest::newRow("one's own file, in another user's sticky folder")
            << 01777 << int(Other) << "file" << int(User) << 1 << 2 << true << false;
        QTest::newRow("the folder owner's file there")
            << 01777 << int(Other) << "file" << int(Other) << 1 << 2 << true << false;
        QTest::newRow("another user's file, in a sticky folder its group may write, at 1")
            << 01770 << int(User) << "file" << int(Other) << 1 << 1 << true << false;
        QTest::newRow("another user's file, in a sticky folder its group may write, at 2")
            << 01770 << int(User) << "file" << int(Other) << 1 << 2 << false << false;
        // A user namespace shows every owner it does not map as one overflow
        // id; the kernel compares the real ones. Outside one, that id is
        // nobody's own.
        QTest::newRow("another user's link, in a third user's sticky folder, seen from a user namespace")
            << 01777 << int(Other) << "link" << int(Third) << 1 << 2 << false << true;
        QTest::newRow("another user's file, in a third user's sticky folder, seen from a user namespace")
            << 01777 << int(Other) << "file" << int(Third) << 1 << 2 << false << true;
        QTest::newRow("one's own link, in another user's sticky folder, seen from a user namespace")
            << 01777 << int(Other) << "link" << int(User) << 1 << 2 << true << true;
        QTest::newRow("nobody's link, in nobody's sticky folder")
            << 01777 << int(NobodyAtAll) << "link" << int(NobodyAtAll) << 1 << 2 << true << false;
    }

    void kernelGuards()
    {
        QFETCH(int, folderMode);
        QFETCH(int, folderOwner);
        QFETCH(QString, entry);
        QFETCH(int, entryOwner);
        QFETCH(int, symlinks);
        QFETCH(int, regular);
        QFETCH(bool, saved);
        QFETCH(bool, namespaced);
        if (::geteuid() != 0)
            QSKIP("only root may give a folder, a file or a link to another user");
        const KernelGuards guards(symlinks, regular);
        if (!guards.isSet())
            QSKIP(qPrintable(guards.why()));
        const std::map<int, uid_t> ids{
            {User, ::geteuid()}, {Other, SomeoneElse}, {Third, ThirdUser}, {NobodyAtAll, Nobody}};
        auto uidOf = [&](int role) { return ids.at(role); };

        const QString file = inDir("results.txt");
        QVERIFY(writeAll(file, OldBytes));
        const QString shared = inDir("shared");
        QVERIFY(QDir().mkdir(shared));
        const QString name = shared + "/picks.txt";
        QString path = name;
        if (entry == "file") {
            QVERIFY(writeAll(name, OldBytes));
            QVERIFY(::chmod(native(name).constData(), 0666) == 0);
        } else if (entry == "link") {
            QVERIFY(::symlink(native(file).constData(), native(name).constData()) == 0);
        } else {
            QVERIFY(::symlink(native(dir->path()).constData(), native(name).constData()) == 0);
            path = name + "/results.txt";
        }
        QVERIFY(::lchown(native(name).constData(), uidOf(entryOwner), uidOf(entryOwner)) == 0);
        QVERIFY(::chown(native(shared).constData(), uidOf(folderOwner), uidOf(folderOwner)) == 0);
        QVERIFY(::chmod(native(shared).constData(), mode_t(folderMode)) == 0);

        bool opened = false;
        bool done = false;
        if (namespaced) {
            const ChildSave save = saveInChild(QStringLiteral("namespace"), path);
            if (save.exitCode == NoNamespace)
                QSKIP(qPrintable(save.said));
            QVERIFY2(save.exitCode == 0, qPrintable(save.said));
            opened = save.opened;
            done = save.saved;
        } else {
            const int fd = ::open(native(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
            if (fd >= 0)
                ::close(fd);
            opened = fd >= 0;
            done = writeWholeFile(path, NewBytes);
        }
        QCOMPARE(opened, saved);
        QCOMPARE(done, saved);

        QCOMPARE(namesIn(shared), QStringList{"picks.txt"});
        QCOMPARE(kindOf(name), entry == "file" ? QStringLiteral("file") : QStringLiteral("link"));
        const QString written = entry == "file" ? name : file;
        QCOMPARE(readAll(written), saved ? NewBytes : OldBytes);
        if (entry == "file")
            QCOMPARE(readAll(file), OldBytes);
    }

    // A link that another process turns, again and again, between a regular
    // file and something else, while the program saves through it or reads
    // through it a few hundred times: the something else is never opened,
    // written or replaced, a save that says it saved put its bytes in the
    // regular file, and a read gives the regular file's bytes or nothing.
    void races_data()
    {
        QTest::addColumn<bool>("saves"); // else reads
        QTest::addColumn<QString>("other");
        QTest::newRow("saves, a FIFO") << true << "FIFO";
        QTest::newRow("saves, a device node") << true << "device";
        QTest::newRow("reads, a FIFO") << false << "FIFO";
        QTest::newRow("reads, a device node") << false << "device";
    }

    void races()
    {
        QFETCH(bool, saves);
        QFETCH(QString, other);
        const QString file = inDir("results.txt");
        const QString otherPath = inDir("other");
        QVERIFY(writeAll(file, OldBytes));
        if (other == "FIFO")
            QVERIFY(makeFifo(otherPath));
        else if (!makeDeviceNode(otherPath))
            QSKIP("only root may make a device node");
        TouchWatch watch({otherPath});
        QVERIFY(watch.isWatching());
        int landed = 0;
        int refused = 0;
        {
            const FlippingLink link(inDir("link.txt"), file, otherPath);
            QVERIFY(link.isTurning());
            // A few hundred saves, or thousands of the far quicker reads, and
            // on until both ends of the link have been met often.
            const int rounds = saves ? 300 : 5000;
            for (int i = 0; i < rounds || ((landed < 50 || refused < 50) && i < 20 * rounds); ++i) {
                const QByteArray at = QByteArray(saves ? "save " : "read ") + QByteArray::number(i);
                bool done;
                if (saves) {
                    done = writeWholeFile(inDir("link.txt"), at);
                    QVERIFY2(!done || readAll(file) == at, at + " says saved, but the file does not hold it");
                } else {
                    const std::optional<QByteArray> got = platform::readRegularFile(inDir("link.txt"), 1024);
                    done = bool(got);
                    QVERIFY2(!done || *got == OldBytes, at + " gave bytes not of the file");
                }
                (done ? landed : refused) += 1;
                QVERIFY2(watch.touched().isEmpty(), at + " touched the " + other.toLatin1());
                QVERIFY2(kindOf(otherPath) == other, at + " replaced the " + other.toLatin1());
            }
        }
        QCOMPARE(kindOf(file), QStringLiteral("file"));
        QCOMPARE(namesIn(dir->path()), (QStringList{"link.txt", "other", "results.txt"}));
        // Both ends of the link were met, so the two really raced.
        QVERIFY2(landed > 0 && refused > 0, qPrintable(QStringLiteral("%1 landed, %2 refused").arg(landed).arg(refused)));
    }
};

// Started again to save as another user or in a user namespace, the
// executable is that child and no test.
int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(SaveAsVariable))
        return childMain();
    QCoreApplication application(argc, argv);
    TestRegularFile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_regularfile.moc"
