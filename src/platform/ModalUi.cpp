#include "platform/ModalUi.h"

#include "platform/Install.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case Style::Critical: return QMessageBox::Critical;
    case Style::Question: return QMessageBox::Question;
    case Style::Exclamation: return QMessageBox::Warning;
    case Style::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The buttons of each button set, in the order the style's default-button
// value counts them.
QList<QMessageBox::StandardButton> buttonsOf(int style)
{
    switch (style & 0x0F) {
    case 1: return {QMessageBox::Ok, QMessageBox::Cancel};
    case 2: return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
    case 3: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case 4: return {QMessageBox::Yes, QMessageBox::No};
    case 5: return {QMessageBox::Retry, QMessageBox::Cancel};
    default: return {QMessageBox::Ok};
    }
}

QMessageBox::StandardButton defaultButtonOf(int style)
{
    const auto buttons = buttonsOf(style);
    const int defaultIndex = (style >> 8) & 0x3;
    return buttons.value(defaultIndex, buttons.first());
}

int answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Abort: return 3;
    case QMessageBox::Retry: return 4;
    case QMessageBox::Ignore: return 5;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

class QtModalUi final : public ModalUi {
public:
    int messageBox(QWidget *parent, const QString &text, int style, const QString &title) override
    {
        QMessageBox box(iconOf(style), title, text, QMessageBox::NoButton, parent);
        for (auto b : buttonsOf(style))
            box.addButton(b);
        box.setDefaultButton(defaultButtonOf(style));
        box.exec();
        return answerOf(box.standardButton(box.clickedButton()));
    }

    QString saveAsFileName(QWidget *parent, const SaveAsRequest &request) override
    {
        QFileDialog dialog(parent, request.title, request.startFolder,
                           QStringLiteral("%1 (%2)").arg(request.filterDescription, request.filterPattern));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
        for (;;) {
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
                return {};
            const QString chosen = dialog.selectedFiles().constFirst();
            if (!request.pathMustExist || QFileInfo(chosen).absoluteDir().exists())
                return chosen;
            QMessageBox::warning(&dialog, request.title,
                                 QCoreApplication::translate("ModalUi", "The folder %1 does not exist.")
                                     .arg(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath())));
        }
    }

    PrintChoice printDialog(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return {true, printer.copyCount()};
    }
};

ModalUi &qtModalUi()
{
    static QtModalUi ui;
    return ui;
}

} // namespace

ModalUi &modalUi()
{
    return Install<ModalUi>::current(qtModalUi);
}

int messageBox(QWidget *parent, const QString &text, int style, const QString &title)
{
    return modalUi().messageBox(parent, text, style, title.isEmpty() ? QCoreApplication::applicationName() : title);
}

int defaultAnswer(int style)
{
    return answerOf(defaultButtonOf(style));
}

} // namespace platform
