#pragma once

// Makes one call to the system fail, as a full disk or a failing one would:
// the failingCall-th (counted from 1) of the file calls this thread makes
// after arm(), until disarm(). Only in a test linked with the calls wrapped
// (see tests/CMakeLists.txt); every other thread and every call outside the
// armed stretch goes through untouched. Removing a file is never failed: the
// program's own scratch file could not be taken away again.
namespace faults {

void arm(int failingCall);
// The file calls made since arm().
int disarm();

} // namespace faults
