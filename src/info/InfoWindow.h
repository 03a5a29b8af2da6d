#pragma once

#include "form/ControlDesign.h"

#include <QDialog>
#include <QSize>
#include <QString>
#include <vector>

class QPushButton;

namespace info {

// The look the three information windows share: a fixed dialog frame with
// only the close box, white, without an owner, so the main window neither
// blocks nor takes them along. Closing one destroys it; what outlives it is
// kept by its WindowInstance.
class InfoWindow : public QDialog {
    Q_OBJECT
protected:
    InfoWindow(const QString &name, const QSize &clientTwips, const std::vector<form::ControlDesign> &controls);

    template <typename T>
    T *control(const char *name) const { return findChild<T *>(QString::fromLatin1(name)); }

    // The button Escape presses; none: Escape does nothing.
    QPushButton *cancelButton = nullptr;

    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace info
