#include "support/RecordingProgramStarter.h"

#include <QFileInfo>

bool RecordingProgramStarter::start(const QString &commandLine)
{
    started.append(commandLine);
    return !commandLine.isEmpty() && QFileInfo(commandLine).isFile();
}
