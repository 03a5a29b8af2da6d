#pragma once

#include <QtGlobal>
#include <cerrno>

// Makes calls to the system fail, as a full disk or a failing one would,
// only in a test linked with the file calls wrapped (see tests/CMakeLists.txt),
// and only for the calls this thread makes between arm() (or refuse(),
// limitRoom() or hideAttributes()) and disarm(); every other thread goes through untouched.
// Removing a file is never failed: the program's own scratch file could not
// be taken away again.
namespace faults {

// The failingCall-th of the file calls (counted from 1) fails with error.
void arm(int failingCall, int error = EIO);
// Every call to the function named call fails with error, as a kernel, a
// sandbox or a file system that does not have it answers.
void refuse(const char *call, int error);
// A disk that copies on write, with room bytes left: every byte written
// takes room of its own, and a write that finds none left fails with ENOSPC.
// fstatvfs tells that room where told; else it tells what the real disk has,
// as it would of a disk that then fails.
void limitRoom(qint64 room, bool told = true);
// statx tells nothing of a file's attributes, as a file system that keeps
// none it can tell.
void hideAttributes();
// The file calls made since arm(), refuse(), limitRoom() or hideAttributes().
int disarm();

} // namespace faults
