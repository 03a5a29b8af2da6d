#include "support/ScriptedModalUi.h"

#include <QPrinter>

int ScriptedModalUi::messageBox(QWidget *, const QString &text, int style, const QString &title)
{
    messages.append({text, style, title});
    if (!messageAnswers.isEmpty()) {
        const int answer = messageAnswers.takeFirst();
        return answer == PressEnter ? platform::defaultAnswer(style) : answer;
    }
    const int buttons = style & 0x0F;
    if (buttons == platform::Style::OkOnly)
        return platform::Answer::Ok;
    return buttons == platform::Style::YesNo ? platform::Answer::No : platform::Answer::Cancel;
}

QString ScriptedModalUi::saveAsFileName(QWidget *, const platform::SaveAsRequest &request)
{
    saveRequests.append(request);
    if (whileSaveAsOpen)
        whileSaveAsOpen();
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

platform::PrintChoice ScriptedModalUi::printDialog(QWidget *, QPrinter &printer)
{
    ++printDialogs;
    if (printAnswers.isEmpty())
        return {};
    const PrintAnswer answer = printAnswers.takeFirst();
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
