#include "info/InfoWindow.h"

#include "form/Fonts.h"
#include "form/Twips.h"

#include <QKeyEvent>
#include <QPushButton>

namespace info {

InfoWindow::InfoWindow(const QString &name, const QSize &clientTwips,
                       const std::vector<form::ControlDesign> &design)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                           | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose);
    // The window's own white only: its buttons keep their usual face.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(form::controlFont());
    setFixedSize(form::twipsToPixels(clientTwips));
    controls = form::buildControls(this, design);
}

void InfoWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton)
            cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace info
