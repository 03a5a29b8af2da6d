#include "platform/PrintDialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

namespace platform {

PrintDialog::PrintDialog(QPrinter *printer, QWidget *parent) : QPrintDialog(printer, parent)
{
    // Every copy is the window's whole client area. Qt's CUPS dialog shows
    // its page choices even so and hands them to the print server, which is
    // why the print takes only this printer's settings, never the printer.
    setOptions(options() & ~(PrintPageRange | PrintCurrentPage | PrintSelection));

    // Qt checks the file of a print to file by opening it for append, on the
    // button box's accepted(). On a FIFO that open waits for a reader, which
    // may never come, and the window with it. The box's clicked() comes
    // first: there such a name is accepted without Qt's check, and the print
    // refuses it. A dialog without these children (a system's own) is left
    // as it is.
    auto *buttons = findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    auto *fileName = findChild<QLineEdit *>(QStringLiteral("filename"));
    if (!buttons || !fileName)
        return;
    connect(buttons, &QDialogButtonBox::clicked, this, [this, buttons, fileName](QAbstractButton *button) {
        if (buttons->buttonRole(button) != QDialogButtonBox::AcceptRole || !fileName->isEnabled())
            return;
        // As Qt's check reads it, following a link. A folder is Qt's to refuse.
        const QFileInfo target(fileName->text());
        if (!target.exists() || target.isFile() || target.isDir())
            return;
        // accepted() is the next signal of this click; the box speaks again
        // once the click is over.
        buttons->blockSignals(true);
        QTimer::singleShot(0, buttons, [buttons] { buttons->blockSignals(false); });
        accept();
    });
}

} // namespace platform
