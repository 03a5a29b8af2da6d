#pragma once

#include <QColor>
#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class QPushButton;

namespace info {

enum class ControlKind {
    Button,  // command button
    Label,   // fixed-size label, wraps at blanks and line feeds, plain text
    Picture, // picture stretched to its box
    Line,    // horizontal line drawn on the window's background
};

// One control of an information window as it was designed, in twips.
struct ControlSpec {
    QString name;          // also the Qt object name
    ControlKind kind;
    QRect twips;           // left, top, width, height; a line: its left end and its length
    int tabIndex = -1;     // -1: the control has none
    QString text = {};     // caption, or the resource path of a picture
    QColor color = {};     // text colour of a label, colour of a line; invalid: the default
    qreal boldPoints = 0;  // a label in the bold window face of this size; 0: the window's font
    int lineWidth = 1;     // pixels, lines only
    int index = -1;        // the element of a control array (property "index"), else -1
};

// The look the three information windows share: a fixed dialog frame with
// only the close box, white, without an owner, so the main window neither
// blocks nor takes them along. Closing one destroys it; what outlives it is
// kept by its WindowInstance.
class InfoWindow : public QDialog {
    Q_OBJECT
protected:
    InfoWindow(const QString &name, const QSize &clientTwips, const std::vector<ControlSpec> &controls);

    template <typename T>
    T *control(const char *name) const { return findChild<T *>(QString::fromLatin1(name)); }

    // The button Escape presses; none: Escape does nothing.
    QPushButton *cancelButton = nullptr;

    void keyPressEvent(QKeyEvent *event) override;
};

// A straight horizontal line control, never in the way of a click.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(const QColor &color, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color;
};

} // namespace info
