#pragma once

#include <QtGlobal>
#include <sys/resource.h>

// A file-size limit on this process (ulimit -f) for as long as it lives.
// Only the soft limit is lowered, which the process may raise again after.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        if (::getrlimit(RLIMIT_FSIZE, &before) != 0)
            return;
        struct rlimit lowered = before;
        lowered.rlim_cur = rlim_t(bytes);
        set = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        if (set)
            ::setrlimit(RLIMIT_FSIZE, &before);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isSet() const { return set; }

private:
    struct rlimit before {};
    bool set = false;
};
