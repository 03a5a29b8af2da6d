#pragma once

#include <QPrintDialog>

namespace platform {

// Qt's Print dialog as the program shows it. It offers no choice of pages:
// every copy is the window's whole client area. A print to a file whose
// name is there but is neither a file nor a folder (a FIFO, a socket, a
// device) is accepted untouched, for the print to refuse, instead of opened
// by Qt's own check.
class PrintDialog final : public QPrintDialog {
public:
    explicit PrintDialog(QPrinter *printer, QWidget *parent = nullptr);
};

} // namespace platform
