#include "app/ResultsFile.h"

#include "platform/ModalUi.h"
#include "platform/RegularFile.h"

#include <QDir>

namespace app {

namespace {

QString startFolder()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    // The root folder is not writable for a user here; home is where they save.
    return QDir::homePath();
#endif
}

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

} // namespace

SaveOutcome saveResultsFile(QWidget *parent, const QStringList &lines)
{
    platform::SaveAsRequest request;
    request.title = QStringLiteral("Save as");
    request.filterDescription = QStringLiteral("Text Files{*.txt}");
    request.filterPattern = QStringLiteral("*.txt");
    request.startFolder = startFolder();
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const QString path = platform::modalUi().saveAsFileName(parent, request);
    if (path.isEmpty())
        return SaveOutcome::Cancelled;
    if (!platform::writeWholeFile(path, fileBytes(lines), QIODevice::Text)) {
        platform::messageBox(parent, QStringLiteral("Unable to save current content to the disk...!"),
                             QMessageBox::Critical, QStringLiteral("Error saving file"));
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

} // namespace app
