#pragma once

#include <QMessageBox>
#include <QString>

class QPrinter;
class QWidget;

namespace platform {

// A message box as the user sees it.
struct Message {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok; // the one Enter presses
};

struct SaveAsRequest {
    QString title;
    QString filterDescription;
    QString filterPattern;
    QString startFolder;
    bool overwritePrompt = true;
    bool pathMustExist = true;
};

struct PrintChoice {
    bool accepted = false;
    int copies = 0;
};

// Everything modal the program shows goes through this one interface, so a
// test can give the answers in advance and nothing ever waits for a person.
// A test puts its own in place with Install<ModalUi>.
class ModalUi {
public:
    virtual ~ModalUi() = default;

    // The title is never empty here: messageBox() below puts the application
    // title in for a box that has none of its own. Answers the button pressed.
    virtual QMessageBox::StandardButton messageBox(QWidget *parent, const Message &message) = 0;

    // The chosen path exactly as chosen, or an empty string when cancelled.
    virtual QString saveAsFileName(QWidget *parent, const SaveAsRequest &request) = 0;

    // Shows the Print dialog for printer, which keeps the user's choices.
    // The dialog offers no choice of pages: every copy is the window's whole
    // client area.
    virtual PrintChoice printDialog(QWidget *parent, QPrinter &printer) = 0;
};

// The interface in use: the Qt dialogs unless a test installed its own.
ModalUi &modalUi();

// The box every caller uses: an empty title becomes the application title.
QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text,
                                       QMessageBox::Icon icon = QMessageBox::NoIcon, const QString &title = {},
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                       QMessageBox::StandardButton defaultButton = QMessageBox::Ok);

} // namespace platform
