#include "SystemCallFaults.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

thread_local bool armed = false;
thread_local int calls = 0;
thread_local int failing = 0;
thread_local int failingError = EIO;

struct Refusal {
    const char *call;
    int error;
};
thread_local Refusal refusals[4];
thread_local int refused = 0;

thread_local qint64 room = -1; // none: the real disk's
thread_local bool roomTold = true;
thread_local bool attributesHidden = false;

void start()
{
    if (!armed) {
        armed = true;
        calls = 0;
        failing = 0;
        refused = 0;
        room = -1;
        attributesHidden = false;
    }
}

// Counts a call to the function named call, and says whether it is to fail.
bool fails(const char *call)
{
    if (!armed)
        return false;
    if (++calls == failing) {
        errno = failingError;
        return true;
    }
    for (int i = 0; i < refused; ++i) {
        if (std::strcmp(refusals[i].call, call) == 0) {
            errno = refusals[i].error;
            return true;
        }
    }
    return false;
}

// The mode argument of an open, which only a creating open has.
mode_t modeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(arguments, int)) : 0;
}

} // namespace

namespace faults {

void arm(int failingCall, int error)
{
    start();
    failing = failingCall;
    failingError = error;
}

void refuse(const char *call, int error)
{
    start();
    if (refused < int(std::size(refusals)))
        refusals[refused++] = {call, error};
}

void limitRoom(qint64 bytes, bool told)
{
    start();
    room = bytes;
    roomTold = told;
}

void hideAttributes()
{
    start();
    attributesHidden = true;
}

int disarm()
{
    armed = false;
    return calls;
}

} // namespace faults

// The linker's --wrap=name sends every call to name from this test's own
// code and the program's libraries here, and __real_name to the system's.
#define WRAPPED(result, name, parameters, arguments) \
    result __real_##name parameters;                  \
    result __wrap_##name parameters { return fails(#name) ? -1 : __real_##name arguments; }

extern "C" {

WRAPPED(int, fstat, (int fd, struct stat *status), (fd, status))
WRAPPED(ssize_t, pread, (int fd, void *buffer, size_t size, off_t at), (fd, buffer, size, at))
WRAPPED(int, fsync, (int fd), (fd))
WRAPPED(int, ftruncate, (int fd, off_t size), (fd, size))
WRAPPED(int, fchown, (int fd, uid_t owner, gid_t group), (fd, owner, group))
WRAPPED(int, fchmod, (int fd, mode_t mode), (fd, mode))
WRAPPED(ssize_t, flistxattr, (int fd, char *names, size_t size), (fd, names, size))
WRAPPED(ssize_t, fgetxattr, (int fd, const char *name, void *value, size_t size), (fd, name, value, size))
WRAPPED(int, fsetxattr, (int fd, const char *name, const void *value, size_t size, int flags),
        (fd, name, value, size, flags))
WRAPPED(int, fremovexattr, (int fd, const char *name), (fd, name))
WRAPPED(ssize_t, readlinkat, (int folder, const char *path, char *buffer, size_t size), (folder, path, buffer, size))
WRAPPED(int, renameat, (int from, const char *oldName, int to, const char *newName), (from, oldName, to, newName))
WRAPPED(int, renameat2, (int from, const char *oldName, int to, const char *newName, unsigned flags),
        (from, oldName, to, newName, flags))
WRAPPED(int, linkat, (int from, const char *oldName, int to, const char *newName, int flags),
        (from, oldName, to, newName, flags))

// The calls a disk with little room answers differently.
ssize_t __real_pwrite(int, const void *, size_t, off_t);
int __real_fstatvfs(int, struct statvfs *);

ssize_t __wrap_pwrite(int fd, const void *buffer, size_t size, off_t at)
{
    if (fails("pwrite"))
        return -1;
    if (!armed || room < 0)
        return __real_pwrite(fd, buffer, size, at);
    if (room == 0 && size > 0) {
        errno = ENOSPC;
        return -1;
    }
    const ssize_t wrote = __real_pwrite(fd, buffer, size_t(std::min<qint64>(qint64(size), room)), at);
    if (wrote > 0)
        room -= wrote;
    return wrote;
}

int __wrap_fstatvfs(int fd, struct statvfs *disk)
{
    if (fails("fstatvfs"))
        return -1;
    const int result = __real_fstatvfs(fd, disk);
    if (result == 0 && armed && room >= 0 && roomTold)
        disk->f_bavail = disk->f_bfree = fsblkcnt_t(room / qint64(disk->f_frsize));
    return result;
}

// A file system that keeps no attributes it can tell.
int __real_statx(int, const char *, int, unsigned, struct statx *);

int __wrap_statx(int folder, const char *path, int flags, unsigned mask, struct statx *status)
{
    if (fails("statx"))
        return -1;
    const int result = __real_statx(folder, path, flags, mask, status);
    if (result == 0 && armed && attributesHidden)
        status->stx_attributes_mask = status->stx_attributes = 0;
    return result;
}

// The calls with a variable argument: the mode of a creating open, the
// argument of an ioctl.
int __real_open(const char *, int, ...);
int __real_openat(int, const char *, int, ...);
int __real_ioctl(int, unsigned long, ...);

int __wrap_open(const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return fails("open") ? -1 : __real_open(path, flags, mode);
}

int __wrap_openat(int folder, const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return fails("openat") ? -1 : __real_openat(folder, path, flags, mode);
}

int __wrap_ioctl(int fd, unsigned long request, ...)
{
    va_list arguments;
    va_start(arguments, request);
    void *argument = va_arg(arguments, void *);
    va_end(arguments);
    return fails("ioctl") ? -1 : __real_ioctl(fd, request, argument);
}

} // extern "C"
