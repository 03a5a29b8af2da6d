#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs of the test's own, for the disk conditions a plain folder
// cannot give a root user: a full disk and a read-only one. It is mounted in
// a mount namespace private to this process, so nothing else on the machine
// sees it and it cannot outlive the test. Only where the process may mount
// (Linux, with the right to); elsewhere isMounted() is false and why() says so.
class ScratchMount {
public:
    explicit ScratchMount(int kibibytes);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool isMounted() const { return mounted; }
    QString why() const { return reason; }
    QString path() const { return folder.path(); }

    // Nothing can be written there afterwards, not even by root.
    bool makeReadOnly();
    // Takes up all room that is left, so the next write finds none.
    bool fill();

private:
    QTemporaryDir folder;
    bool mounted = false;
    QString reason;
};
