#include "support/RecordingProgramStarter.h"

#include <QFileInfo>

RecordingProgramStarter::RecordingProgramStarter()
{
    platform::setProgramStarter(this);
}

RecordingProgramStarter::~RecordingProgramStarter()
{
    platform::setProgramStarter(nullptr);
}

bool RecordingProgramStarter::start(const QString &commandLine)
{
    started.append(commandLine);
    return !commandLine.isEmpty() && QFileInfo(commandLine).isFile();
}
