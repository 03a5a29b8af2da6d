#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <optional>

namespace platform {

// The bytes of the regular file at path, when it holds at most maxBytes.
// Anything a user may have put there instead (a FIFO, a socket, a device, a
// folder, a link to one of them) is refused without ever being opened, and
// nothing larger than maxBytes is ever allocated for. A file that changes
// while it is read gives at most the size it had when looked at.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes);

// Puts bytes in the file at path whole, or not at all: a write that fails
// leaves what was there as it was, unless putting it back fails as well
// (below), and no file of its own behind, unless the file system keeps a
// folder's names for good without saying so (then the save fails too).
//
// It goes only where the kernel would let this process open path to write
// or create it, and follows links as that open would, up to 40 of them, but
// one at a time: the file looked at is the one written. So it keeps the
// kernel's guards for sticky folders that others may write, such as /tmp
// (fs.protected_symlinks and fs.protected_regular, as they stand when it
// runs): another user's link there is not followed, nor another user's file
// there written, unless the folder is theirs. In a user namespace, an owner
// the namespace does not map is never taken for the user or the folder's
// owner. A link to a file stays a link, and anything that is not a regular
// file (a folder, a FIFO, a device, a socket, a link loop) is refused and
// left untouched.
//
// A file it replaces stays what it was: its links, owner, group, access
// list, extended attributes and whole mode. It is written beside and
// renamed into place where the new file can be made all of that, and
// written in place otherwise, as always in a folder whose names, once made,
// stay (append-only); a new file there is made with no name and named once
// it is whole. On a write in place the kernel itself clears what a changed
// file may no longer claim: its file capabilities always, and its setuid
// and setgid bits when the process may not keep them; those two are set
// again where the user owns the file, the setgid bit only where the user is
// in its group too. A write in place starts only where it can be finished
// or else undone: within the file-size limit, over a file of at most 64
// MiB that the user may read, which it keeps in memory meanwhile, and with
// room on the file system for the new bytes and for the old ones put back.
// Should putting them back fail as well, it still says that it failed.
//
// What a crash can leave: amid a save by rename, the old file or the new
// one, each whole, and perhaps a hidden file beside it whose name starts
// with ".ziventa-"; amid a write in place, a mix of new bytes and old. Once
// it has said it saved, the new file whole, unless a renamed file's folder
// could not be opened to be synced. mode may add Text, which only Windows
// heeds.
bool writeWholeFile(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode = {});

} // namespace platform
