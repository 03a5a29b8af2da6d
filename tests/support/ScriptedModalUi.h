#pragma once

#include "platform/Install.h"
#include "platform/ModalUi.h"

#include <QDebug>
#include <QList>
#include <QPageLayout>
#include <QPageRanges>
#include <QString>
#include <QStringList>
#include <functional>

// Answers every modal question of the program from a script and records what
// was asked. It installs itself for its lifetime.
class ScriptedModalUi final : public platform::ModalUi {
public:
    struct PrintAnswer {
        bool accepted = false;
        int copies = 1;
        QString pdfFile; // where the printer writes; empty leaves the printer as it is
        QPageLayout pageLayout; // the paper chosen; invalid leaves the printer's own
        QPageRanges pages;      // the pages chosen; empty chooses all
        // When set, what answers in place of the fields above: the real
        // dialog driven by a test, say. True when it accepted.
        std::function<bool(QWidget *parent, QPrinter &printer)> answeredBy;
    };

    // Queued answers, used first to last. A message box with no answer left
    // gets OK when it only has OK, else Cancel (or No), so an unscripted
    // question never agrees to anything. PressEnter answers as the box's
    // default button does.
    static constexpr QMessageBox::StandardButton PressEnter = QMessageBox::NoButton;
    QList<QMessageBox::StandardButton> messageAnswers;
    QStringList saveAnswers;       // no answer left: cancelled
    QList<PrintAnswer> printAnswers; // no answer left: cancelled
    // Runs while the Save As dialog is open, before it answers: what the
    // world does while the user is still choosing.
    std::function<void()> whileSaveAsOpen;

    QList<platform::Message> messages;
    QList<platform::SaveAsRequest> saveRequests;
    int printDialogs = 0;

    QMessageBox::StandardButton messageBox(QWidget *parent, const platform::Message &message) override;
    QString saveAsFileName(QWidget *parent, const platform::SaveAsRequest &request) override;
    platform::PrintChoice printDialog(QWidget *parent, QPrinter &printer) override;

private:
    platform::Install<platform::ModalUi> install{*this};
};

// A box with only OK, as the program shows every message but the exit
// question; untitled, it bears the application title.
platform::Message okBox(const QString &text, QMessageBox::Icon icon = QMessageBox::NoIcon,
                        const QString &title = QStringLiteral("Ziventa"));

namespace platform {
// For QCOMPARE: every part the user sees, and how a mismatch reads.
bool operator==(const Message &a, const Message &b);
QDebug operator<<(QDebug debug, const Message &message);
} // namespace platform
