#include "app/FileOutput.h"
#include "app/Frmlotto.h"
#include "app/ResultsLines.h"
#include "platform/ModalUi.h"

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

void Frmlotto::Command1_Click()
{
    // Taken first: the lines carry the day the button was pressed, however
    // long the dialog stays open.
    const QDate date = today();
    if (ShownBoards == 0) {
        platform::messageBox(this, QStringLiteral("There are no results to save yet."));
        return;
    }
    // The boards on screen now, as the last click that drew left them.
    const draw::Game &game = LottoPending == 1 ? draw::Lotto : draw::Powerball;
    const QStringList lines = resultsLines(game, ShownBoards, boardsOf(game), dateItem(date, QLocale::system()));

    platform::SaveAsRequest request;
    request.title = QStringLiteral("Save as");
    request.filterDescription = QStringLiteral("Text Files{*.txt}");
    request.filterPattern = QStringLiteral("*.txt");
    request.startFolder = startFolder();
    request.overwritePrompt = true;
    request.pathMustExist = true;
    const QString path = platform::modalUi().saveAsFileName(this, request);
    if (path.isEmpty())
        return;

    if (!writeWholeFile(path, fileBytes(lines), QIODevice::Text)) {
        platform::messageBox(this, QStringLiteral("Unable to save current content to the disk...!"),
                             QMessageBox::Critical, QStringLiteral("Error saving file"));
        setWindowTitle(QStringLiteral("File not saved...!"));
        return;
    }
    setWindowTitle(QStringLiteral("Ziventa"));
}

} // namespace app
