#include "platform/ProgramStarter.h"

#include "platform/Install.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <string>
#else
#include <QProcess>
#endif

namespace platform {

namespace {

class SystemProgramStarter final : public ProgramStarter {
public:
    bool start(const QString &commandLine) override
    {
#ifdef _WIN32
        // CreateProcessW may write into the command line, so it gets a copy.
        std::wstring line = commandLine.toStdWString();
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
#else
        return QProcess::startDetached(commandLine, {});
#endif
    }
};

ProgramStarter &systemProgramStarter()
{
    static SystemProgramStarter system;
    return system;
}

} // namespace

ProgramStarter &programStarter()
{
    return Install<ProgramStarter>::current(systemProgramStarter);
}

} // namespace platform
