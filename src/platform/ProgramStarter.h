#pragma once

#include <QString>

namespace platform {

// Starts another program and does not wait for it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;

    // On Windows commandLine is a command line, taken as it stands and shown
    // in a normal window; elsewhere it is the path of the program, started
    // without a shell, so nothing in it is ever interpreted. False when the
    // program could not be started.
    virtual bool start(const QString &commandLine) = 0;
};

// The starter in use: the system's unless a test installed its own with
// Install<ProgramStarter>.
ProgramStarter &programStarter();

} // namespace platform
