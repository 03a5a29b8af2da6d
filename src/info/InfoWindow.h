#pragma once

#include "form/ControlDesign.h"

#include <QDialog>
#include <QPointer>
#include <QSize>
#include <QString>
#include <vector>

class QPushButton;

namespace info {

// The look the three information windows share: a fixed dialog frame with
// only the close box, white, without an owner, so the main window neither
// blocks nor takes them along. Closing one deletes it, so the next show
// opens a new one with its texts built afresh.
class InfoWindow : public QDialog {
    Q_OBJECT
protected:
    InfoWindow(const QString &name, const QSize &clientTwips, const std::vector<form::ControlDesign> &design);

    template <typename T>
    T *control(const char *name) const { return controls.get<T>(QString::fromLatin1(name)); }

    // The button Escape presses; none: Escape does nothing.
    QPushButton *cancelButton = nullptr;

    void keyPressEvent(QKeyEvent *event) override;

private:
    form::BuiltControls controls;
};

// Shows the one window of its kind, modeless: a window already open is only
// brought forward; otherwise a new one opens.
template <typename Window>
void showWindow()
{
    static QPointer<Window> window;
    if (!window || !window->isVisible()) {
        // A closed window may still wait for its deletion: it is not reused.
        window = new Window;
        window->show();
    } else {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
    }
    window->activateWindow();
}

} // namespace info
