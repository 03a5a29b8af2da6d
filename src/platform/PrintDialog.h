#pragma once

#include <QPrintDialog>

namespace platform {

// Qt's Print dialog as the program shows it. It offers no choice of pages:
// every copy is the whole window.
class PrintDialog final : public QPrintDialog {
public:
    explicit PrintDialog(QPrinter *printer, QWidget *parent = nullptr);
};

} // namespace platform
