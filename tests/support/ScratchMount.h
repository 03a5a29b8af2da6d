#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QTemporaryFile>

// A small file system of the test's own, for the disk conditions a plain
// folder cannot give a root user: a full disk, a nearly full one and a
// read-only one. It is mounted in a mount namespace private to this process,
// so nothing else on the machine sees it and it cannot outlive the test. A
// tmpfs, or a btrfs, which copies on write, on a loop device over an image
// file (made with btrfs-progs' mkfs.btrfs). Only where the process may mount
// (Linux, with the right to); elsewhere isMounted() is false and why() says so.
class ScratchMount {
public:
    enum Kind { Tmpfs, Btrfs };

    explicit ScratchMount(int kibibytes, Kind kind = Tmpfs);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool isMounted() const { return mounted; }
    QString why() const { return reason; }
    QString path() const { return folder.path(); }

    // Nothing can be written there afterwards, not even by root.
    bool makeReadOnly();
    // Takes up all room that is left, but for about leaving bytes given
    // back, so that the next write finds that much or none.
    bool fill(qint64 leaving = 0);
    // Gives back all the room fill() took.
    bool empty();

private:
    bool mountBtrfs(int kibibytes);
    int openFiller(int flags) const;

    QTemporaryDir folder;
    QTemporaryFile image;
    bool mounted = false;
    QString reason;
};
