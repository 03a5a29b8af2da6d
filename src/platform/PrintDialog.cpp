#include "platform/PrintDialog.h"

namespace platform {

PrintDialog::PrintDialog(QPrinter *printer, QWidget *parent) : QPrintDialog(printer, parent)
{
    // Every copy is the whole window. Qt's CUPS dialog shows its page
    // choices even so and hands them to the print server, which is why the
    // print takes only this printer's settings, never the printer.
    setOptions(options() & ~(PrintPageRange | PrintCurrentPage | PrintSelection));
}

} // namespace platform
