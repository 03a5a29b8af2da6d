#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace platform {

// Message box styles as the Windows message box takes them: one button set
// plus one icon plus one default button, summed.
namespace Style {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int DefaultButton2 = 256;
} // namespace Style

// Answers, with the numbers the same message box returns.
namespace Answer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace Answer

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

    // title is never empty here: messageBox() below puts the application
    // title in for a box that has none of its own.
    virtual int messageBox(QWidget *parent, const QString &text, int style, const QString &title) = 0;

    // The chosen path exactly as chosen, or an empty string when cancelled.
    virtual QString saveAsFileName(QWidget *parent, const SaveAsRequest &request) = 0;

    // Shows the Print dialog for printer, which keeps the user's choices.
    virtual PrintChoice printDialog(QWidget *parent, QPrinter &printer) = 0;
};

// The interface in use: the Qt dialogs unless a test installed its own.
ModalUi &modalUi();

// The box every caller uses: an empty title becomes the application title.
int messageBox(QWidget *parent, const QString &text, int style = Style::OkOnly, const QString &title = {});

// The answer Enter gives on a box of this style: its default button's.
int defaultAnswer(int style);

} // namespace platform
