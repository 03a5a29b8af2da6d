#include "support/ScriptedModalUi.h"

#include <QPrinter>

QMessageBox::StandardButton ScriptedModalUi::messageBox(QWidget *, const platform::Message &message)
{
    messages.append(message);
    if (!messageAnswers.isEmpty()) {
        const QMessageBox::StandardButton answer = messageAnswers.takeFirst();
        return answer == PressEnter ? message.defaultButton : answer;
    }
    if (message.buttons == QMessageBox::Ok)
        return QMessageBox::Ok;
    return message.buttons.testFlag(QMessageBox::No) && !message.buttons.testFlag(QMessageBox::Cancel)
        ? QMessageBox::No
        : QMessageBox::Cancel;
}

QString ScriptedModalUi::saveAsFileName(QWidget *, const platform::SaveAsRequest &request)
{
    saveRequests.append(request);
    if (whileSaveAsOpen)
        whileSaveAsOpen();
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

platform::PrintChoice ScriptedModalUi::printDialog(QWidget *parent, QPrinter &printer)
{
    ++printDialogs;
    if (printAnswers.isEmpty())
        return {};
    const PrintAnswer answer = printAnswers.takeFirst();
    if (answer.answeredBy)
        return {answer.answeredBy(parent, printer), printer.copyCount()};
    if (!answer.pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer.pdfFile);
    }
    if (answer.pageLayout.isValid())
        printer.setPageLayout(answer.pageLayout);
    if (!answer.pages.isEmpty()) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setPageRanges(answer.pages);
    }
    return {answer.accepted, answer.copies};
}

platform::Message okBox(const QString &text, QMessageBox::Icon icon, const QString &title)
{
    return {text, title, icon, QMessageBox::Ok, QMessageBox::Ok};
}

namespace platform {

bool operator==(const Message &a, const Message &b)
{
    return a.text == b.text && a.title == b.title && a.icon == b.icon && a.buttons == b.buttons
        && a.defaultButton == b.defaultButton;
}

QDebug operator<<(QDebug debug, const Message &message)
{
    const QDebugStateSaver saver(debug);
    return debug.nospace() << "Message(" << message.text << ", " << message.title << ", " << message.icon << ", "
                           << message.buttons << ", default " << message.defaultButton << ')';
}

} // namespace platform
