#include "support/TypedPrint.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Answers every message box as it is shown, as Escape would, and keeps its text.
class BoxAnswerer final : public QObject {
public:
    QStringList texts;

    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(object); box && event->type() == QEvent::Show) {
            texts << box->text();
            // Once its event loop runs: a box closed without a button
            // pressed answers none, which Qt's check takes for a yes.
            QMetaObject::invokeMethod(box, [box] { QTest::keyClick(box, Qt::Key_Escape); }, Qt::QueuedConnection);
        }
        return false;
    }
};

// While it lives, every open of what path names is seen (following a link),
// and a FIFO there has a reader.
class OpenWatch {
public:
    explicit OpenWatch(const QString &path)
    {
        const QByteArray native = QFile::encodeName(path);
        struct stat status;
        if (::stat(native.constData(), &status) == 0 && S_ISFIFO(status.st_mode))
            reader = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        // Only after the reader's own open.
        events = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (events >= 0)
            ::inotify_add_watch(events, native.constData(), IN_OPEN);
    }
    ~OpenWatch()
    {
        for (int fd : {reader, events})
            if (fd >= 0)
                ::close(fd);
    }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool opened() const
    {
        char buffer[sizeof(inotify_event) + NAME_MAX + 1];
        return events >= 0 && ::read(events, buffer, sizeof buffer) > 0;
    }

private:
    int reader = -1;
    int events = -1;
};

} // namespace

TypedPrint typeAndPrint(QPrintDialog &dialog, const QString &name)
{
    TypedPrint result;
    auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("printers"));
    auto *fileName = dialog.findChild<QLineEdit *>(QStringLiteral("filename"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    QPushButton *print = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
    if (!printers || !fileName || !print) {
        QTest::qFail("the Print dialog has its printers, file name and Print button", __FILE__, __LINE__);
        return result;
    }
    dialog.open();
    // Qt puts printing to a file last among the printers.
    printers->setCurrentIndex(printers->count() - 1);
    fileName->setText(name);
    const OpenWatch watch(name);
    BoxAnswerer answerer;
    qApp->installEventFilter(&answerer);
    print->click();
    qApp->removeEventFilter(&answerer);
    result.accepted = !dialog.isVisible() && dialog.result() == QDialog::Accepted;
    if (dialog.isVisible())
        dialog.reject();
    result.qtBoxes = answerer.texts;
    result.opened = watch.opened();
    return result;
}
