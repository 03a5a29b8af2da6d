#pragma once

#include <fstream>
#include <string>

// The peak resident set of this process so far, in KiB; -1 when unknown.
inline long peakResidentKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}
