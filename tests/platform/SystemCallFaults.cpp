#include "SystemCallFaults.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

thread_local bool armed = false;
thread_local int calls = 0;
thread_local int failing = 0;

// Counts a call, and says whether it is the one to fail.
bool fails()
{
    if (!armed || ++calls != failing)
        return false;
    errno = EIO;
    return true;
}

// The mode argument of an open, which only a creating open has.
mode_t modeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(arguments, int)) : 0;
}

} // namespace

namespace faults {

void arm(int failingCall)
{
    armed = true;
    calls = 0;
    failing = failingCall;
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
    result __wrap_##name parameters { return fails() ? -1 : __real_##name arguments; }

extern "C" {

WRAPPED(int, fstat, (int fd, struct stat *status), (fd, status))
WRAPPED(ssize_t, pread, (int fd, void *buffer, size_t size, off_t at), (fd, buffer, size, at))
WRAPPED(ssize_t, pwrite, (int fd, const void *buffer, size_t size, off_t at), (fd, buffer, size, at))
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
    return fails() ? -1 : __real_open(path, flags, mode);
}

int __wrap_openat(int folder, const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return fails() ? -1 : __real_openat(folder, path, flags, mode);
}

int __wrap_ioctl(int fd, unsigned long request, ...)
{
    va_list arguments;
    va_start(arguments, request);
    void *argument = va_arg(arguments, void *);
    va_end(arguments);
    return fails() ? -1 : __real_ioctl(fd, request, argument);
}

} // extern "C"
