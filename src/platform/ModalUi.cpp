#include "platform/ModalUi.h"

#include "platform/Install.h"
#include "platform/PrintDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>

namespace platform {

namespace {

class QtModalUi final : public ModalUi {
public:
    QMessageBox::StandardButton messageBox(QWidget *parent, const Message &message) override
    {
        QMessageBox box(message.icon, message.title, message.text, message.buttons, parent);
        box.setDefaultButton(message.defaultButton);
        box.exec();
        return box.standardButton(box.clickedButton());
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
        PrintDialog dialog(&printer, parent);
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

QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                       const QString &title, QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton)
{
    return modalUi().messageBox(
        parent, {text, title.isEmpty() ? QCoreApplication::applicationName() : title, icon, buttons, defaultButton});
}

} // namespace platform
