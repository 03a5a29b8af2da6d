// The process-wide seams: doubles put in place and taken away again, and the
// Qt dialogs behind the dialog seam, answered from the event loop they run.
#include "platform/ModalUi.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "support/FileKinds.h"
#include "support/RecordingProgramStarter.h"
#include "support/RecordingRegistry.h"
#include "support/ScriptedModalUi.h"
#include "support/TestMain.h"
#include "support/TypedPrint.h"

#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <optional>

namespace {

// A double of Service installed inside another comes off again on its own:
// the outer one is back, and after it the system's own.
template <typename Double, typename Service>
void checkNesting(Service &(*inUse)())
{
    Service *const system = &inUse();
    QVERIFY(!dynamic_cast<Double *>(system));
    {
        Double outer;
        QCOMPARE(&inUse(), static_cast<Service *>(&outer));
        {
            Double inner;
            QCOMPARE(&inUse(), static_cast<Service *>(&inner));
        }
        QCOMPARE(&inUse(), static_cast<Service *>(&outer));
    }
    QCOMPARE(&inUse(), system);
}

// Calls act with the dialog of type T once one shows: a dialog's exec() runs
// the event loop that gets here, so nothing waits for a person. A dialog that
// act leaves open is closed a moment later.
template <typename T>
void whenShown(const std::function<void(T *)> &act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<T *>(widget); dialog && dialog->isVisible()) {
                poll->deleteLater();
                poll->stop();
                act(dialog);
                QTimer::singleShot(5000, dialog, [dialog] { dialog->done(-1); });
                return;
            }
        }
    });
    poll->start(10);
}

} // namespace

class TestSeams : public QObject {
    Q_OBJECT
private slots:
    void doublesNest()
    {
        checkNesting<ScriptedModalUi>(platform::modalUi);
        checkNesting<RecordingProgramStarter>(platform::programStarter);
        // The system's registry reads its hive from beside the test, where there is none.
        if (!QFile::exists(platform::hiveFilePath()))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^registry hive .* not read")));
        checkNesting<RecordingRegistry>(platform::registry);
    }

    // The boxes the program shows, as Qt shows them, and the answer each key
    // or button gives.
    void qtMessageBox_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("question");
        QTest::addColumn<int>("key"); // 0: the No button clicked
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("shownTitle");
        const int ok = QMessageBox::Ok, yes = QMessageBox::Yes, no = QMessageBox::No;
        QTest::newRow("a notice, untitled, Enter") << int(QMessageBox::NoIcon) << QString() << false
                                                   << int(Qt::Key_Return) << ok << "Ziventa";
        QTest::newRow("an error, Escape") << int(QMessageBox::Critical) << "Print" << false << int(Qt::Key_Escape)
                                          << ok << "Print";
        QTest::newRow("the exit question, Enter") << int(QMessageBox::Warning) << "Exit" << true << int(Qt::Key_Return)
                                                  << yes << "Exit";
        QTest::newRow("the exit question, Escape") << int(QMessageBox::Warning) << "Exit" << true
                                                   << int(Qt::Key_Escape) << no << "Exit";
        QTest::newRow("the exit question, No") << int(QMessageBox::Warning) << "Exit" << true << 0 << no << "Exit";
    }

    void qtMessageBox()
    {
        QFETCH(int, icon);
        QFETCH(QString, title);
        QFETCH(bool, question);
        QFETCH(int, key);
        QFETCH(int, answer);
        QFETCH(QString, shownTitle);
        const QMessageBox::StandardButtons buttons = question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
        const QMessageBox::StandardButton defaultButton = question ? QMessageBox::Yes : QMessageBox::Ok;
        std::optional<platform::Message> shown;
        whenShown<QMessageBox>([&](QMessageBox *box) {
            shown = platform::Message{box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                                      box->standardButton(box->defaultButton())};
            if (key)
                QTest::keyClick(box, Qt::Key(key));
            else
                box->button(QMessageBox::No)->click();
        });
        const QMessageBox::StandardButton pressed = platform::messageBox(
            nullptr, QStringLiteral("Some text"), QMessageBox::Icon(icon), title, buttons, defaultButton);
        QVERIFY(shown);
        QCOMPARE(*shown, (platform::Message{"Some text", shownTitle, QMessageBox::Icon(icon), buttons, defaultButton}));
        QCOMPARE(pressed, QMessageBox::StandardButton(answer));
    }

    // Every copy is the window's whole client area: the Print dialog offers
    // no choice of pages.
    void qtPrintDialogOffersNoPageChoice()
    {
        QPrinter printer(QPrinter::HighResolution);
        QAbstractPrintDialog::PrintDialogOptions options;
        bool shown = false;
        whenShown<QPrintDialog>([&](QPrintDialog *dialog) {
            shown = true;
            options = dialog->options();
            dialog->reject();
        });
        QVERIFY(!platform::modalUi().printDialog(nullptr, printer).accepted);
        QVERIFY(shown);
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintPageRange));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintCurrentPage));
        QVERIFY(!options.testFlag(QAbstractPrintDialog::PrintSelection));
        QVERIFY(options.testFlag(QAbstractPrintDialog::PrintToFile));
    }

    // Qt checks a print to file by opening the file for append, and an open
    // of a FIFO waits for a reader: a name that is there but is neither a
    // file nor a folder is accepted unopened, for the print to refuse. New
    // names and folders stay Qt's, and its box refuses a folder.
    void qtPrintDialogToFile_data()
    {
        QTest::addColumn<QString>("kind"); // what the name names: a kindOf(), or "link" to a FIFO
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("qtSays"); // a part of the one box Qt shows; empty: it shows none
        QTest::newRow("a FIFO") << "FIFO" << true << QString();
        QTest::newRow("a link to a FIFO") << "link" << true << QString();
        QTest::newRow("a socket") << "socket" << true << QString();
        QTest::newRow("a device node") << "device" << true << QString();
        QTest::newRow("a new name") << "missing" << true << QString();
        QTest::newRow("a folder") << "folder" << false << "is a directory";
    }

    void qtPrintDialogToFile()
    {
        QFETCH(QString, kind);
        QFETCH(bool, accepted);
        QFETCH(QString, qtSays);
        const QTemporaryDir folder;
        const QString name = folder.filePath(QStringLiteral("out.pdf"));
        if (kind == "device" && !makeDeviceNode(name))
            QSKIP("only root may make a device node");
        const bool made = kind == "FIFO" ? makeFifo(name)
            : kind == "link" ? makeFifo(folder.filePath("fifo")) && QFile::link(folder.filePath("fifo"), name)
            : kind == "socket" ? makeSocket(name)
            : kind == "folder" ? QDir().mkdir(name)
            : true;
        QVERIFY(made);
        const QString before = kindOf(name);
        QPrinter printer(QPrinter::HighResolution);
        platform::PrintDialog dialog(&printer);

        const TypedPrint print = typeAndPrint(dialog, name);

        QVERIFY(!print.opened);
        const QString said = print.qtBoxes.join(QStringLiteral(" | "));
        QVERIFY2(print.qtBoxes.size() == (qtSays.isEmpty() ? 0 : 1) && said.contains(qtSays), qPrintable(said));
        QCOMPARE(print.accepted, accepted);
        QCOMPARE(kindOf(name), before);
        if (accepted) {
            QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
            QCOMPARE(printer.outputFileName(), name);
        }
        // And the same dialog prints again, once its loop has run on as
        // exec() would.
        QCoreApplication::processEvents();
        QVERIFY(typeAndPrint(dialog, folder.filePath(QStringLiteral("again.pdf"))).accepted);
    }
};

ZIVENTA_TEST_MAIN(TestSeams)
#include "tst_seams.moc"
