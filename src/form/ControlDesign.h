#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <map>
#include <vector>

namespace form {

enum class ControlKind {
    Label,         // a caption
    WrappedText,   // plain text wrapped at blanks and line feeds
    Picture,       // picture stretched to its box
    Button,        // command button
    PictureButton, // button showing only its picture, at the picture's size
    Frame,         // titled group frame
    ComboBox,      // editable text with a drop-down list
    BallImage,     // one ball of a board
    FrameShape,    // outline round a board's powerball
    Line,          // horizontal line
};

// One control of a window as it was designed, in twips.
struct ControlDesign {
    QString name;                // also the Qt object name
    ControlKind kind;
    QString parent;              // empty: the window's client area
    QRect twips;                 // left, top, width, height in the parent; a line: its left end and its length
    int tabIndex = -1;           // -1: the control has none
    QString text = {};           // caption, or the resource path of a picture
    QColor color = {};           // text colour of a label, colour of a line; invalid: the default
    QColor background = {};      // invalid: none of its own
    QFont (*font)() = nullptr;   // nullptr: the window's font
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop; // of a label's text
    int lineWidth = 1;           // pixels, lines only
    int index = -1;              // the element of a control array (property "index"), else -1
};

// The controls a table built, by name: the one way a window finds its own.
class BuiltControls {
public:
    // The control of that name as a T. A name the table lacks, or a control
    // of another kind, is a fault in the window's own table: the program ends
    // at once with a message naming it, while the window is built, instead
    // of meeting a null pointer later.
    template <typename T>
    T *get(const QString &name) const
    {
        QWidget *found = find(name);
        T *control = qobject_cast<T *>(found);
        if (!control)
            missing(name, T::staticMetaObject.className(), found);
        return control;
    }

    // A control array keeps its last element under the array's name.
    void add(const QString &name, QWidget *control) { byName[name] = control; }

private:
    QWidget *find(const QString &name) const;
    [[noreturn]] static void missing(const QString &name, const char *kind, const QWidget *found);

    std::map<QString, QWidget *> byName;
};

// Fills widget with color; a button it is, or holds, takes it as its face.
void paintBackground(QWidget *widget, const QColor &color);

// Builds controls on client in their order, which is their stacking order
// from back to front; a parent comes before its children. Focus moves by tab
// index and starts on the first stop.
BuiltControls buildControls(QWidget *client, const std::vector<ControlDesign> &controls);

} // namespace form
