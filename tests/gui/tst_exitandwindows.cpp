// Leaving the program, and the About, help and disclaimer windows the main
// window opens from its menus.
#include "app/Frmlotto.h"
#include "app/Version.h"
#include "support/FindControl.h"
#include "support/RecordingProgramStarter.h"
#include "support/RecordingRegistry.h"
#include "support/ScriptedModalUi.h"
#include "support/TestMain.h"
#include "support/WindowUnderTest.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <memory>

using app::Frmlotto;

namespace {

struct InfoWindowCase {
    const char *menu;      // the main window's entry that shows it
    const char *name;      // its object name
    const char *ok;        // the button that closes it
    const char *textLabel; // a label whose text the window builds as it opens
};

const InfoWindowCase infoWindows[] = {
    {"mnuabtus", "frmAbout", "cmdOK", "lblVersion"},
    {"mnuViewhelp", "Dialog", "OKButton", "help"},
    {"mnuDis", "frmdis", "OKButton", "Label1"},
};
enum { About, Help, Disclaimer };

const QString unavailable = QStringLiteral("System Information Is Unavailable At This Time");

// The windows of this name the user sees. A closed window waiting for its
// deletion is not among them.
QList<QWidget *> onScreen(const QString &name)
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == name)
            shown << w;
    return shown;
}

template <typename T = QWidget>
T *child(QWidget *window, const char *name)
{
    return findControl<T>(*window, QString::fromLatin1(name));
}

QString labelText(QWidget *window, const char *name)
{
    return child<QLabel>(window, name)->text();
}

} // namespace

class TestExitAndWindows : public QObject, private WindowUnderTest {
    Q_OBJECT

    // No test reads this machine's registry or starts its tools: the registry
    // is empty unless a test fills it, so System Info finds nothing.
    std::unique_ptr<RecordingRegistry> registry;
    std::unique_ptr<RecordingProgramStarter> starter;

    void choose(const char *entry) { child<QAction>(window.get(), entry)->trigger(); }

    // The one window on screen after the menu entry that shows it.
    QWidget *show(int which)
    {
        choose(infoWindows[which].menu);
        const QList<QWidget *> shown = onScreen(infoWindows[which].name);
        if (shown.size() != 1)
            qFatal("%s: %d windows on screen", infoWindows[which].name, int(shown.size()));
        return shown.front();
    }

    QWidget *showActive(int which)
    {
        QWidget *shown = show(which);
        if (!QTest::qWaitForWindowActive(shown))
            qFatal("%s did not become active", infoWindows[which].name);
        return shown;
    }

private slots:
    void init()
    {
        registry = std::make_unique<RecordingRegistry>();
        starter = std::make_unique<RecordingProgramStarter>();
        QVERIFY(openWindow());
    }

    void cleanup()
    {
        for (const InfoWindowCase &c : infoWindows)
            for (QWidget *w : onScreen(c.name))
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        closeWindow();
        starter.reset();
        registry.reset();
        QCoreApplication::setApplicationName(QStringLiteral("Ziventa"));
        QCoreApplication::setApplicationVersion(QString::fromLatin1(app::Version));
    }

    void exitQuestion_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("button, No") << false << QMessageBox::No << false;
        QTest::newRow("menu, No") << true << QMessageBox::No << false;
        QTest::newRow("button, Yes") << false << QMessageBox::Yes << true;
        QTest::newRow("menu, Yes") << true << QMessageBox::Yes << true;
        QTest::newRow("button, Enter") << false << ScriptedModalUi::PressEnter << true;
        QTest::newRow("menu, Enter") << true << ScriptedModalUi::PressEnter << true;
    }

    void exitQuestion()
    {
        QFETCH(bool, fromMenu);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, leaves);
        window->LottoNumbers[2] = {0, 4, 8, 15, 16, 23, 42};
        window->PowerballNumbers[5] = {0, 1, 2, 3, 4, 5, 20};
        window->LottoPending = 1;
        const auto lotto = window->LottoNumbers;
        const auto powerball = window->PowerballNumbers;
        const QString lottoCaption = child<QPushButton>(window.get(), "CmdLotto")->text();

        ui->messageAnswers = {answer};
        if (fromMenu)
            choose("mnuexit");
        else
            QTest::mouseClick(child<QPushButton>(window.get(), "cmdexit"), Qt::LeftButton);

        QVERIFY(!ui->messages.isEmpty());
        QCOMPARE(ui->messages[0], (platform::Message{"Are you sure?", "Exit", QMessageBox::Warning,
                                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes}));
        if (leaves) {
            QCOMPARE(ui->messages.size(), 2);
            QCOMPARE(ui->messages[1],
                     okBox("Thank You for using this program. Please visit our site www.norvane.example"));
            QVERIFY(!window->isVisible());
        } else {
            QCOMPARE(ui->messages.size(), 1);
            QVERIFY(window->isVisible());
            QCOMPARE(window->LottoNumbers, lotto);
            QCOMPARE(window->PowerballNumbers, powerball);
            QCOMPARE(window->LottoPending, std::int16_t(1));
            QCOMPARE(child<QPushButton>(window.get(), "CmdLotto")->text(), lottoCaption);
        }
    }

    // The program ends when its last window closes, so an information window
    // left open outlives the main window and keeps the program running.
    void lastWindowEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byExit");
        QTest::newRow("Exit answered Yes") << true;
        QTest::newRow("main window closed from its title bar") << false;
    }

    void lastWindowEndsTheProgram()
    {
        QFETCH(bool, byExit);
        QWidget *help = show(Help);
        ui->messageAnswers = {QMessageBox::Yes};
        if (byExit)
            choose("mnuexit");
        else
            window->close();
        QCOMPARE(ui->messages.size(), byExit ? 2 : 0);
        QVERIFY(!window->isVisible());
        QVERIFY(help->isVisible());

        // The event loop the program runs, left to end by itself once the
        // help window is closed; the guard only stops a loop that would not.
        bool runningWithHelpOpen = false;
        QTimer::singleShot(0, help, [&] {
            runningWithHelpOpen = help->isVisible();
            QTest::mouseClick(child<QPushButton>(help, "OKButton"), Qt::LeftButton);
        });
        bool endedByItself = true;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            endedByItself = false;
            QCoreApplication::exit(1);
        });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(runningWithHelpOpen);
        QVERIFY(endedByItself);
    }

    void lifecycle_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("About box, OK") << int(About) << false;
        QTest::newRow("About box, close box") << int(About) << true;
        QTest::newRow("help, OK") << int(Help) << false;
        QTest::newRow("help, close box") << int(Help) << true;
        QTest::newRow("disclaimer, OK") << int(Disclaimer) << false;
        QTest::newRow("disclaimer, close box") << int(Disclaimer) << true;
    }

    void lifecycle()
    {
        QFETCH(int, which);
        QFETCH(bool, byCloseBox);
        const InfoWindowCase &c = infoWindows[which];
        QVERIFY(onScreen(c.name).isEmpty());

        QWidget *first = show(which);
        QCOMPARE(first->focusWidget(), child(first, c.ok));
        auto *textLabel = child<QLabel>(first, c.textLabel);
        const QString text = textLabel->text();
        QVERIFY(!text.isEmpty());

        // Shown again while open: the same window comes forward, its texts
        // not built again.
        const QString leftAsItWas = QStringLiteral("left as it was");
        textLabel->setText(leftAsItWas);
        QCOMPARE(show(which), first);
        QCOMPARE(textLabel->text(), leftAsItWas);

        QPointer<QWidget> closed = first;
        if (byCloseBox)
            first->close();
        else
            QTest::mouseClick(child<QPushButton>(first, c.ok), Qt::LeftButton);
        QVERIFY(onScreen(c.name).isEmpty());
        QTRY_VERIFY(closed.isNull());

        // Shown after closing: a new window, its texts built afresh, once.
        QWidget *again = show(which);
        QCOMPARE(labelText(again, c.textLabel), text);
    }

    // Closed at once, the window must still open afresh at the next show,
    // and stay the one on screen once the closed one is deleted.
    void showRightAfterClosing()
    {
        QWidget *first = show(Help);
        QPointer<QWidget> closed = first;
        QTest::mouseClick(child<QPushButton>(first, infoWindows[Help].ok), Qt::LeftButton);
        QWidget *again = show(Help);
        QVERIFY(again != closed.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(closed.isNull());
        QVERIFY(again->isVisible());
        QCOMPARE(show(Help), again);
    }

    void allOpenTogether()
    {
        for (int which : {About, Help, Disclaimer})
            show(which);
        for (int which : {About, Help, Disclaimer})
            show(which);
        for (const InfoWindowCase &c : infoWindows) {
            const QList<QWidget *> shown = onScreen(c.name);
            QCOMPARE(shown.size(), 1);
            QWidget *w = shown.front();
            QVERIFY(w->isWindow());
            QCOMPARE(w->parentWidget(), nullptr);
            QCOMPARE(w->windowModality(), Qt::NonModal);
        }
        QVERIFY(window->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void helpTexts()
    {
        QWidget *help = show(Help);
        const QString expected = QStringLiteral(
            "\n\n\n"
            "  This is a lotto quickpick and powerball quickpick generator\n"
            "\n"
            " 1. Choose the number of boards you wish to play\n"
            " 2. Choose either the Lotto or Powerball button\n"
            " 3.You can now save / print the results in the destination of \n"
            "    your Choice\n");
        QCOMPARE(labelText(help, "help"), expected);
        QCOMPARE(labelText(help, "Label1"), QStringLiteral("\n                  Help Menu"));
        QCOMPARE(help->windowTitle(), QStringLiteral("Help Menu"));
    }

    void disclaimerText()
    {
        QWidget *disclaimer = show(Disclaimer);
        QCOMPARE(disclaimer->windowTitle(), QStringLiteral("Software Disclaimer"));
        const QString text = labelText(disclaimer, "Label1");
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QVERIFY(text.endsWith(QLatin1Char('\n')));

        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 1 + 1 + 2 + 9 + 1);
        QCOMPARE(lines[0], QString());
        QCOMPARE(lines[1], QString(57, QLatin1Char(' ')) + QStringLiteral("Software Disclaimer"));
        QCOMPARE(lines[2], QString());
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[13], QString());

        struct Clause {
            const char *opening;
            const char *ending;
        };
        const Clause clauses[] = {
            {"  1.  This software product is in no way affiliated", "."},
            {" 2.  ", "."},
            {" 3.  ", "."},
            {" 4.  NORVANE makes no representations or warranties", ".  "},
            {" 5.  Although the author has attempted to find", "."},
            {" 6.  There are inherent dangers in the use", ". "},
            {" 7.  You are also solely responsible for the protection", ". "},
            {" 8.  This software product is created for ENTERTAINMENT PURPOSES", ". "},
            {" 9.  ", "."},
        };
        const QRegularExpression form(QStringLiteral("^ {1,2}\\d\\.  \\S.*\\S\\.( {0,2})$"));
        for (int i = 0; i < 9; ++i) {
            const QString &line = lines[4 + i];
            QVERIFY2(line.startsWith(QLatin1String(clauses[i].opening)), qPrintable(line));
            const QRegularExpressionMatch m = form.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            QCOMPARE(m.captured(1), QString::fromLatin1(clauses[i].ending).mid(1));
        }
    }

    void aboutTexts_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("versionText");
        QTest::newRow("as built") << QString() << QString() << "About Ziventa"
                                  << QStringLiteral("Version ") + QString::fromLatin1(app::Version);
        QTest::newRow("1.0.0, zeros written") << "Ziventa" << "1.0.0" << "About Ziventa" << "Version 1.0.0";
        QTest::newRow("2.10.3") << "Ziventa" << "2.10.3" << "About Ziventa" << "Version 2.10.3";
        QTest::newRow("another title") << "Quickpick" << "3.0.12" << "About Quickpick" << "Version 3.0.12";
    }

    void aboutTexts()
    {
        QFETCH(QString, title);
        QFETCH(QString, version);
        QFETCH(QString, caption);
        QFETCH(QString, versionText);
        if (!title.isEmpty()) {
            QCoreApplication::setApplicationName(title);
            QCoreApplication::setApplicationVersion(version);
        }
        QWidget *about = show(About);
        QCOMPARE(about->windowTitle(), caption);
        QCOMPARE(labelText(about, "lblTitle"), title.isEmpty() ? QStringLiteral("Ziventa") : title);
        QCOMPARE(labelText(about, "lblVersion"), versionText);
        QCOMPARE(labelText(about, "lblDescription"),
                 QStringLiteral("Ziventa is a free random genarating tool that emulates the national lotto quickpick "
                                "function.              It is fun, easy to use and looks great.                      "
                                "     It is free to download and distribute.. Goodluck (<\")"));
        QCOMPARE(child<QPushButton>(about, "cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    }

    // The contact text names only numbers and addresses kept for examples.
    void contactUsesReservedNumbers()
    {
        const QString contact = labelText(show(About), "lblDisclaimer");
        QVERIFY(contact.contains(QLatin1String("NORVANE")));
        const QRegularExpression number(QStringLiteral("\\d[\\d-]{5,}\\d"));
        auto numbers = number.globalMatch(contact);
        QVERIFY(numbers.hasNext());
        while (numbers.hasNext()) {
            const QString found = numbers.next().captured();
            QVERIFY2(QRegularExpression(QStringLiteral("^555-01\\d\\d$")).match(found).hasMatch(), qPrintable(found));
        }
        const QRegularExpression mail(QStringLiteral("\\S+@(\\S+)"));
        const QRegularExpressionMatch m = mail.match(contact);
        QVERIFY(m.hasMatch());
        QCOMPARE(m.captured(1), QStringLiteral("norvane.example"));
    }

    // The button runs the real lookup: the tool the registry names is started.
    void sysInfoStartsTheToolTheRegistryNames()
    {
        const QString tool = QCoreApplication::applicationFilePath();
        registry->hive.setValue(platform::LocalMachine, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                QStringLiteral("PATH"), 1, tool.toUtf8() + '\0');
        QWidget *shown = showActive(About);
        QTest::mouseClick(child<QPushButton>(shown, "cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(starter->started, QStringList{tool});
        QVERIFY(ui->messages.isEmpty());
        QVERIFY(shown->isVisible());
    }

    // A hive file that cannot be used, read as the program reads its own:
    // the button says the tool is unavailable, starts nothing, and the About
    // box stays open.
    void sysInfoWithAnUnusableHive_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("empty") << true << QByteArray();
        QTest::newRow("binary garbage") << true << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\xff\xfe[\"\n\0", 16);
        QTest::newRow("the tool's key with a bad value")
            << true << QByteArray("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\n"
                                  "\"PATH\" = 1 /usr/bin/hardinfo\n");
    }

    void sysInfoWithAnUnusableHive()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ziventa.hive"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(contents), contents.size());
        }
        if (!exists || !contents.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^registry hive .* not")));
        platform::MemoryRegistry hive = platform::loadHiveFile(path);
        const platform::Install<platform::Registry> useHive(hive);

        QWidget *shown = showActive(About);
        QTest::mouseClick(child<QPushButton>(shown, "cmdSysInfo"), Qt::LeftButton);
        QVERIFY(starter->started.isEmpty());
        QCOMPARE(ui->messages, QList{okBox(unavailable)});
        QVERIFY(shown->isVisible());
    }

    void keys_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("closes");
        const int none = Qt::NoModifier;
        const int alt = Qt::AltModifier;
        QTest::newRow("About: Enter on OK") << int(About) << "cmdOK" << int(Qt::Key_Return) << none << 1 << true;
        QTest::newRow("About: Enter on System Info")
            << int(About) << "cmdSysInfo" << int(Qt::Key_Return) << none << 1 << false;
        QTest::newRow("About: Escape on OK") << int(About) << "cmdOK" << int(Qt::Key_Escape) << none << 1 << true;
        QTest::newRow("About: Escape on System Info")
            << int(About) << "cmdSysInfo" << int(Qt::Key_Escape) << none << 1 << true;
        QTest::newRow("About: Alt+S") << int(About) << "cmdOK" << int(Qt::Key_S) << alt << 1 << false;
        QTest::newRow("About: Alt+S twice tries twice") << int(About) << "cmdOK" << int(Qt::Key_S) << alt << 2 << false;
        QTest::newRow("help: Enter on OK") << int(Help) << "OKButton" << int(Qt::Key_Return) << none << 1 << true;
        QTest::newRow("help: Escape is no cancel") << int(Help) << "OKButton" << int(Qt::Key_Escape) << none << 1 << false;
        QTest::newRow("disclaimer: Escape is no cancel")
            << int(Disclaimer) << "OKButton" << int(Qt::Key_Escape) << none << 1 << false;
    }

    void keys()
    {
        QFETCH(int, which);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, presses);
        QFETCH(bool, closes);
        QWidget *shown = showActive(which);
        auto *focused = child(shown, qPrintable(focus));
        focused->setFocus();
        // An access key presses its button a moment later, as a click would.
        const bool pressesSysInfo = which == About && !closes;
        for (int i = 1; i <= presses; ++i) {
            QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            if (pressesSysInfo)
                QTRY_COMPARE(ui->messages.size(), i);
        }

        QCOMPARE(shown->isVisible(), !closes);
        QCOMPARE(ui->messages.size(), pressesSysInfo ? presses : 0);
        for (const auto &message : ui->messages)
            QCOMPARE(message, okBox(unavailable));
    }

    void looksAsDesigned_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("About: client area") << int(About) << QString() << QRect(0, 0, 526, 265);
        QTest::newRow("About: OK") << int(About) << "cmdOK" << QRect(384, 176, 84, 23);
        QTest::newRow("About: System Info") << int(About) << "cmdSysInfo" << QRect(384, 208, 83, 23);
        QTest::newRow("About: seal") << int(About) << "Image2" << QRect(352, 8, 153, 145);
        QTest::newRow("About: side picture") << int(About) << "Image1" << QRect(8, 16, 57, 105);
        QTest::newRow("About: title") << int(About) << "lblTitle" << QRect(70, 16, 259, 32);
        QTest::newRow("About: contact") << int(About) << "lblDisclaimer" << QRect(56, 176, 258, 55);
        QTest::newRow("help: client area") << int(Help) << QString() << QRect(0, 0, 461, 217);
        QTest::newRow("help: text") << int(Help) << "help" << QRect(16, 56, 289, 153);
        QTest::newRow("help: picture") << int(Help) << "Image1" << QRect(296, 24, 145, 129);
        QTest::newRow("disclaimer: client area") << int(Disclaimer) << QString() << QRect(0, 0, 483, 351);
        QTest::newRow("disclaimer: OK") << int(Disclaimer) << "OKButton" << QRect(392, 320, 81, 25);
        QTest::newRow("disclaimer: text") << int(Disclaimer) << "Label1" << QRect(8, 0, 457, 313);
    }

    void looksAsDesigned()
    {
        if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0))
            QSKIP("the pixel figures hold at 96 dpi");
        QFETCH(int, which);
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QWidget *shown = show(which);
        if (name.isEmpty()) {
            QCOMPARE(shown->size(), pixels.size());
            QCOMPARE(shown->minimumSize(), pixels.size());
            QCOMPARE(shown->maximumSize(), pixels.size());
            const Qt::WindowFlags flags = shown->windowFlags();
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
            QCOMPARE(shown->palette().color(QPalette::Window), QColor(Qt::white));
        } else {
            QCOMPARE(child(shown, qPrintable(name))->geometry(), pixels);
        }
    }

    void picturesAndLines()
    {
        const struct {
            int which;
            const char *name;
        } pictures[] = {{About, "Image1"}, {About, "Image2"}, {Help, "Image1"}};
        for (const auto &p : pictures) {
            auto *picture = child<QLabel>(show(p.which), p.name);
            QVERIFY2(!picture->pixmap().isNull(), p.name);
            QVERIFY(picture->hasScaledContents());
        }
        // Line1 is a control array of two: element 1 the grey rule, element 0 white below it.
        const QList<QWidget *> lines = show(About)->findChildren<QWidget *>(QStringLiteral("Line1"));
        QCOMPARE(lines.size(), 2);
        for (QWidget *line : lines) {
            const bool grey = line->property("index").toInt() == 1;
            QCOMPARE(line->height(), grey ? 1 : 2);
            QCOMPARE(line->grab().toImage().pixelColor(line->width() / 2, 0),
                     grey ? QColor(128, 128, 128) : QColor(255, 255, 255));
        }
    }

    void openingPlaces()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
        const QPoint disclaimerAt(int(std::lround(2760 * dpi / 1440)), int(std::lround(3750 * dpi / 1440)));
        QCOMPARE(show(Disclaimer)->geometry().topLeft(), screen.topLeft() + disclaimerAt);
        // Centred as a whole, the client area may lie off centre by the frame.
        QWidget *about = show(About);
        const QPoint frame = about->geometry().topLeft() - about->frameGeometry().topLeft();
        const QPoint offCentre = about->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2(std::abs(offCentre.x()) <= frame.x() + 1 && std::abs(offCentre.y()) <= frame.y() + 1,
                 qPrintable(QStringLiteral("%1,%2 off centre").arg(offCentre.x()).arg(offCentre.y())));
    }
};

ZIVENTA_TEST_MAIN(TestExitAndWindows)
#include "tst_exitandwindows.moc"
