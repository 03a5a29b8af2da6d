#pragma once

#include "platform/Install.h"
#include "platform/ProgramStarter.h"

#include <QStringList>

// Records every program start and runs nothing. A start succeeds only for a
// path that names an existing file, as a real one would. It installs itself
// for its lifetime.
class RecordingProgramStarter final : public platform::ProgramStarter {
public:
    QStringList started; // every command line asked, succeeded or not

    bool start(const QString &commandLine) override;

private:
    platform::Install<platform::ProgramStarter> install{*this};
};
