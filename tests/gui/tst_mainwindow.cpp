// The main window as the user first sees it, and what it does with typing.
#include "app/Frmlotto.h"
#include "app/Layout.h"
#include "support/ScriptedModalUi.h"
#include "support/TestMain.h"
#include "support/WindowUnderTest.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <map>
#include <memory>

class TestMainWindow : public QObject, private WindowUnderTest {
    Q_OBJECT

    QStringList comboItems() const
    {
        QStringList items;
        auto *combo = control<QComboBox>("Combo1");
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

private slots:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void firstShow()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Ziventa"));
        auto *combo = control<QComboBox>("Combo1");
        QCOMPARE(comboItems(), QStringList({"1", "2", "3", "4", "5", "6"}));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(combo->isEditable());

        for (int k = 1; k <= 6; ++k) {
            for (int p = 1; p <= 6; ++p) {
                auto *image = control<QLabel>(app::ballImageName(k, p));
                QVERIFY2(image->pixmap().isNull(), qPrintable(image->objectName()));
            }
            QVERIFY(!control(app::frameShapeName(k))->isVisible());
        }
        QVERIFY(!control("lblpowerball")->isVisible());
        QCOMPARE(control<QLabel>("lblpowerball")->text(), QStringLiteral("PowerBall No:"));
        QCOMPARE(control<QLabel>("Label2")->text(), QString());
        QCOMPARE(control<QPushButton>("CmdLotto")->text(), QStringLiteral("Lotto"));
        QCOMPARE(control<QPushButton>("CmdPowerball")->text(), QStringLiteral("PowerBall"));
        QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("Which Ziventa would you like to create..."));
        QCOMPARE(control<QGroupBox>("Frame2")->title(), QStringLiteral("Number of boards"));
        QVERIFY(!control<QLabel>("Image7")->pixmap().isNull());
        QCOMPARE(window->focusWidget(), control("CmdLotto"));
    }

    void stateStartsZero()
    {
        for (int k = 0; k < draw::BoardCount; ++k) {
            QCOMPARE(window->LottoNumbers[k], draw::BoardNumbers{});
            QCOMPARE(window->PowerballNumbers[k], draw::BoardNumbers{});
        }
        QCOMPARE(window->LottoPending, std::int16_t(0));
    }

    void geometryAt96Dpi_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("row 1 first ball") << "Image1" << QRect(96, 272, 41, 33);
        QTest::newRow("row 2 first ball") << "Image8" << QRect(96, 328, 41, 33);
        QTest::newRow("row 3 third ball") << "Image16" << QRect(208, 384, 41, 33);
        QTest::newRow("row 4 fourth ball") << "Image23" << QRect(264, 440, 41, 33);
        QTest::newRow("row 5 fifth ball") << "Image30" << QRect(320, 496, 41, 33);
        QTest::newRow("row 6 powerball") << "Image37" << QRect(376, 552, 41, 33);
        QTest::newRow("frame of row 1") << "Shape1" << QRect(368, 264, 57, 49);
        QTest::newRow("frame of row 6") << "Shape6" << QRect(368, 544, 57, 49);
        QTest::newRow("row label 6") << "Label12" << QRect(8, 552, 81, 33);
        QTest::newRow("save button") << "Command1" << QRect(352, 16, 57, 57);
        QTest::newRow("print button") << "Command2" << QRect(352, 96, 57, 57);
        QTest::newRow("exit button") << "cmdexit" << QRect(352, 176, 57, 57);
        QTest::newRow("combo inside its frame") << "Combo1" << QRect(96, 24, 49, 21);
        QTest::newRow("logo") << "Image7" << QRect(80, 0, 214, 52);
        QTest::newRow("powerball label") << "lblpowerball" << QRect(360, 240, 73, 17);
    }

    void geometryAt96Dpi()
    {
        if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0))
            QSKIP("the pixel figures hold at 96 dpi");
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(control(name)->geometry(), pixels);
        QCOMPARE(window->centralWidget()->size(), QSize(439, 598));
    }

    void controlsStayPutOnResize()
    {
        const QRect before = control("Image37")->geometry();
        window->resize(window->width() + 200, window->height() + 150);
        QApplication::processEvents();
        QCOMPARE(control("Image37")->geometry(), before);
        window->showMaximized();
        QApplication::processEvents();
        QCOMPARE(control("Image37")->geometry(), before);
    }

    void tabOrder()
    {
        const QStringList expected = {"CmdLotto", "CmdPowerball", "cmdexit", "Command1", "Combo1", "Command2", "CmdLotto"};
        QWidget *w = control("CmdLotto");
        for (int i = 1; i < expected.size(); ++i) {
            w = w->nextInFocusChain();
            // The combo's line edit is its focus proxy, not a stop of its own.
            while (w->focusPolicy() == Qt::NoFocus || qobject_cast<QLineEdit *>(w) || !w->isVisible() || w->objectName().isEmpty())
                w = w->nextInFocusChain();
            QCOMPARE(w->objectName(), expected[i]);
        }
        for (const char *name : {"CmdLotto", "CmdPowerball", "Command1", "Command2", "cmdexit"}) {
            auto *button = control<QPushButton>(name);
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    void menus()
    {
        struct Entry {
            const char *menu, *name, *caption;
            QKeySequence key;
        };
        const Entry entries[] = {
            {"mnufile", "mnulotto", "Lotto", QKeySequence("Ctrl+L")},
            {"mnufile", "mnuPowerball", "Powerball", QKeySequence("Ctrl+P")},
            {"mnufile", "mnuPrint", "Print", QKeySequence()},
            {"mnufile", "mnuexit", "Exit", QKeySequence("Ctrl+X")},
            {"mnuabt", "mnuabtus", "About Us", QKeySequence()},
            {"mnuHelp", "mnuViewhelp", "View Help", QKeySequence()},
            {"mnuHelp", "mnuDis", "Disclaimer", QKeySequence()},
        };
        QStringList titles;
        for (QAction *a : window->menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, QStringList({"File", "About", "Help"}));
        for (const Entry &e : entries) {
            auto *menu = window->findChild<QMenu *>(e.menu);
            QVERIFY(menu);
            auto *action = window->findChild<QAction *>(e.name);
            QVERIFY2(action, e.name);
            QVERIFY(menu->actions().contains(action));
            QCOMPARE(action->text(), QString::fromLatin1(e.caption));
            QCOMPARE(action->shortcut(), e.key);
            QVERIFY(!action->isCheckable());
            QVERIFY(action->isEnabled());
        }
    }

    // The menu's shortcuts win over a control's own keys wherever the focus
    // is: in the board-count box Ctrl+X asks to exit instead of cutting.
    void shortcutsReachTheirEntries_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("key");
        for (const char *focus : {"CmdLotto", "Combo1"}) {
            QTest::addRow("Ctrl+L, focus in %s", focus) << focus << "mnulotto" << int(Qt::Key_L);
            QTest::addRow("Ctrl+P is Powerball, not Print, focus in %s", focus) << focus << "mnuPowerball" << int(Qt::Key_P);
            QTest::addRow("Ctrl+X, focus in %s", focus) << focus << "mnuexit" << int(Qt::Key_X);
        }
    }

    void shortcutsReachTheirEntries()
    {
        QFETCH(QString, focus);
        QFETCH(QString, entry);
        QFETCH(int, key);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *combo = control<QComboBox>("Combo1");
        combo->setEditText(QStringLiteral("4"));
        combo->lineEdit()->selectAll();
        control(focus)->setFocus();
        QSignalSpy fired(window->findChild<QAction *>(entry), &QAction::triggered);
        QSignalSpy print(window->findChild<QAction *>("mnuPrint"), &QAction::triggered);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(fired.count(), 1);
        QCOMPARE(print.count(), 0);
        QCOMPARE(combo->currentText(), QStringLiteral("4"));
    }

    // Enter and keypad Enter press the focused button as Space does, once a
    // press however long it is held; none is a default button, so Enter in
    // the board-count box presses nothing.
    void keysPressTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("repeats"); // auto-repeated presses after the first
        QTest::addColumn<QString>("pressed");
        const int keypad = int(Qt::KeypadModifier);
        for (const char *button : {"CmdLotto", "CmdPowerball", "cmdexit", "Command1", "Command2"}) {
            QTest::addRow("Space on %s", button) << button << int(Qt::Key_Space) << 0 << 0 << button;
            QTest::addRow("Enter on %s", button) << button << int(Qt::Key_Return) << 0 << 0 << button;
            QTest::addRow("keypad Enter on %s", button) << button << int(Qt::Key_Enter) << keypad << 0 << button;
        }
        QTest::newRow("Enter held on CmdLotto") << "CmdLotto" << int(Qt::Key_Return) << 0 << 3 << "CmdLotto";
        QTest::newRow("Ctrl+Enter on CmdLotto") << "CmdLotto" << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0
                                                << "";
        QTest::newRow("Enter in Combo1") << "Combo1" << int(Qt::Key_Return) << 0 << 0 << "";
        QTest::newRow("keypad Enter in Combo1") << "Combo1" << int(Qt::Key_Enter) << keypad << 0 << "";
    }

    void keysPressTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, repeats);
        QFETCH(QString, pressed);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto *combo = control<QComboBox>("Combo1");
        combo->setEditText(QStringLiteral("3"));
        std::map<QString, std::unique_ptr<QSignalSpy>> clicks;
        for (const char *button : {"CmdLotto", "CmdPowerball", "cmdexit", "Command1", "Command2"})
            clicks[button] = std::make_unique<QSignalSpy>(control<QPushButton>(button), &QPushButton::clicked);
        QWidget *target = control(focus);
        target->setFocus();
        QWidget *focused = QApplication::focusWidget();
        const auto mods = Qt::KeyboardModifiers(modifiers);
        QTest::keyPress(focused, Qt::Key(key), mods);
        for (int i = 0; i < repeats; ++i) {
            QKeyEvent again(QEvent::KeyPress, key, mods, QString(), true);
            QApplication::sendEvent(focused, &again);
        }
        QTest::keyRelease(focused, Qt::Key(key), mods);
        for (const auto &[name, spy] : clicks)
            QCOMPARE(spy->count(), name == pressed ? 1 : 0);
        if (pressed.isEmpty()) {
            QCOMPARE(ui->messages.size(), 0);
            QCOMPARE(ui->printDialogs, 0);
            QCOMPARE(window->ShownBoards, std::int16_t(0));
            QCOMPARE(combo->currentText(), QStringLiteral("3"));
            QCOMPARE(combo->count(), 6);
        }
    }

    void typedTextStaysAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        for (const char *text : {" 3", "03", "3.0", "7", "three", " "})
            QTest::newRow(text) << QString::fromLatin1(text);
    }

    void typedTextStaysAsTyped()
    {
        QFETCH(QString, typed);
        auto *combo = control<QComboBox>("Combo1");
        combo->setFocus();
        QTest::keyClicks(combo, typed);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(combo->count(), 6); // typing adds no item to the list
    }

    void choosingAnItemSetsItsDigit()
    {
        auto *combo = control<QComboBox>("Combo1");
        for (int i = 0; i < 6; ++i) {
            combo->setCurrentIndex(i);
            QCOMPARE(combo->currentText(), QString::number(i + 1));
        }
    }
};

ZIVENTA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
