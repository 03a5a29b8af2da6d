#include "app/Frmlotto.h"

#include "app/BallPictures.h"
#include "app/Exit.h"
#include "app/Keys.h"
#include "app/Layout.h"
#include "app/Printing.h"
#include "app/ResultsFile.h"
#include "app/ResultsLines.h"
#include "draw/BoardDraw.h"
#include "form/Controls.h"
#include "form/Fonts.h"
#include "form/Twips.h"
#include "info/HelpWindows.h"
#include "info/frmAbout.h"
#include "platform/ModalUi.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

namespace app {

namespace {

// The board count the text names, compared exactly: " 3", "03" or "3.0" is
// not 3. 0 for any text but "1" to "6".
int boardCount(const QString &text)
{
    for (int n = 1; n <= draw::BoardCount; ++n)
        if (text == QString::number(n))
            return n;
    return 0;
}

} // namespace

// What a click of each game leaves in the window, and where it keeps the
// boards it draws: the window tells the games apart by these two rows alone.
struct GameInWindow {
    const draw::Game &game;
    std::array<draw::BoardNumbers, draw::BoardCount> Frmlotto::*boards;
    // LottoPending after a click that drew: the save writes what is shown.
    std::int16_t lottoPending;
    // The captions of Label2, CmdLotto and CmdPowerball after a click.
    const char *title;
    const char *lottoCaption;
    const char *powerballCaption;
};

const GameInWindow LottoInWindow{draw::Lotto, &Frmlotto::LottoNumbers, 1,
                                  "Lotto", "Roll Again...", "PowerBall"};
const GameInWindow PowerballInWindow{draw::Powerball, &Frmlotto::PowerballNumbers, 0,
                                     "PowerBall", "Lotto", "Roll Again..."};

Frmlotto::Frmlotto(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Ziventa"));
    setObjectName(QStringLiteral("Frmlotto"));
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    form::paintBackground(client, Qt::white);
    client->setFont(form::controlFont());
    setCentralWidget(client);

    buildControls();
    buildMenus();
    connectEvents();
    Form_Load();

    resize(clientSize().width(), clientSize().height() + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Frmlotto::~Frmlotto() = default;

QSize Frmlotto::clientSize() const
{
    return form::twipsToPixels(QSize(ClientWidthTwips, ClientHeightTwips));
}

void Frmlotto::buildControls()
{
    const form::BuiltControls controls = form::buildControls(client, controlTable());
    Combo1 = controls.get<QComboBox>("Combo1");
    CmdLotto = controls.get<QPushButton>("CmdLotto");
    CmdPowerball = controls.get<QPushButton>("CmdPowerball");
    Command1 = controls.get<QPushButton>("Command1");
    Command2 = controls.get<QPushButton>("Command2");
    cmdexit = controls.get<QPushButton>("cmdexit");
    Label2 = controls.get<QLabel>("Label2");
    lblpowerball = controls.get<QLabel>("lblpowerball");
    for (int k = 1; k <= draw::BoardCount; ++k) {
        BoardRow &row = boardRows[k - 1];
        for (int p = 1; p <= draw::BallsPerBoard; ++p)
            row.images[p - 1] = controls.get<BallImage>(ballImageName(k, p));
        row.frame = controls.get<FrameShape>(frameShapeName(k));
        row.frame->hide();
    }
    lblpowerball->hide();

    // The game buttons lie over Frame1 and must stay in front of it.
    CmdLotto->raise();
    CmdPowerball->raise();

    for (QPushButton *button : {CmdLotto, CmdPowerball, Command1, Command2, cmdexit}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        pressOnEnter(button);
    }
}

void Frmlotto::buildMenus()
{
    auto addMenu = [this](const char *name, const QString &caption) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addEntry = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &key) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        // The shortcuts work from anywhere in the window, the menus closed.
        addAction(action);
        return action;
    };
    QMenu *mnufile = addMenu("mnufile", QStringLiteral("File"));
    mnulotto = addEntry(mnufile, "mnulotto", QStringLiteral("Lotto"), QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuPowerball = addEntry(mnufile, "mnuPowerball", QStringLiteral("Powerball"), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuPrint = addEntry(mnufile, "mnuPrint", QStringLiteral("Print"), {});
    mnuexit = addEntry(mnufile, "mnuexit", QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X));
    QMenu *mnuabt = addMenu("mnuabt", QStringLiteral("About"));
    mnuabtus = addEntry(mnuabt, "mnuabtus", QStringLiteral("About Us"), {});
    QMenu *mnuHelp = addMenu("mnuHelp", QStringLiteral("Help"));
    mnuViewhelp = addEntry(mnuHelp, "mnuViewhelp", QStringLiteral("View Help"), {});
    mnuDis = addEntry(mnuHelp, "mnuDis", QStringLiteral("Disclaimer"), {});
    // On the box itself: it hands the keys it is asked about to its text
    // field directly.
    letMenuKeysWinIn(Combo1, this);
}

void Frmlotto::connectEvents()
{
    connect(CmdLotto, &QPushButton::clicked, this, &Frmlotto::CmdLotto_Click);
    connect(mnulotto, &QAction::triggered, this, &Frmlotto::mnulotto_Click);
    connect(CmdPowerball, &QPushButton::clicked, this, &Frmlotto::CmdPowerball_Click);
    connect(mnuPowerball, &QAction::triggered, this, &Frmlotto::mnuPowerball_Click);
    connect(Command1, &QPushButton::clicked, this, &Frmlotto::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Frmlotto::Command2_Click);
    connect(mnuPrint, &QAction::triggered, this, &Frmlotto::mnuPrint_Click);
    connect(cmdexit, &QPushButton::clicked, this, &Frmlotto::cmdexit_Click);
    connect(mnuexit, &QAction::triggered, this, &Frmlotto::mnuexit_Click);
    connect(mnuabtus, &QAction::triggered, this, &Frmlotto::mnuabtus_Click);
    connect(mnuViewhelp, &QAction::triggered, this, &Frmlotto::mnuViewhelp_Click);
    connect(mnuDis, &QAction::triggered, this, &Frmlotto::mnuDis_Click);
}

void Frmlotto::Form_Load()
{
    for (int n = 1; n <= 6; ++n)
        Combo1->insertItem(n - 1, QString::number(n));
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QString());
}

// A menu entry and the button it mirrors each have their own handler; the
// two behave alike and neither goes through the other.
void Frmlotto::CmdLotto_Click() { playGame(LottoInWindow); }
void Frmlotto::mnulotto_Click() { playGame(LottoInWindow); }
void Frmlotto::CmdPowerball_Click() { playGame(PowerballInWindow); }
void Frmlotto::mnuPowerball_Click() { playGame(PowerballInWindow); }

void Frmlotto::playGame(const GameInWindow &played)
{
    const draw::Game &game = played.game;
    const QString text = Combo1->currentText();
    const int n = boardCount(text);
    QStringList unloadable;
    if (text.isEmpty()) {
        platform::messageBox(this, QStringLiteral("Please select the number of boards you wish to play"));
    } else if (n > 0) {
        // Every control is set once to how the click leaves it: nothing on
        // screen is emptied or hidden only to be shown again.
        ClearBoards(n + 1);
        for (int k = 1; k <= n; ++k) {
            draw::BoardNumbers &numbers = (this->*played.boards)[k - 1];
            draw::DrawBoard(game, numbers, *randomSource);
            unloadable << boardRows[k - 1].show(game, numbers);
        }
        lblpowerball->setVisible(game.hasPowerball());
        LottoPending = played.lottoPending;
        ShownBoards = std::int16_t(n);
    }
    CmdLotto->setText(QString::fromLatin1(played.lottoCaption));
    CmdPowerball->setText(QString::fromLatin1(played.powerballCaption));
    Label2->setText(QString::fromLatin1(played.title));

    // A missing picture costs only its own cell: the click has drawn and
    // stored every board, and the user is told once which files failed.
    if (!unloadable.isEmpty())
        platform::messageBox(this, unloadableMessage(unloadable), QMessageBox::Critical);
}

void Frmlotto::ClearBoards(int first)
{
    for (int k = first; k <= draw::BoardCount; ++k)
        boardRows[k - 1].clear();
}

void Frmlotto::Command1_Click()
{
    // Taken first: the lines carry the day the button was pressed, however
    // long the dialog stays open.
    const QDate date = today();
    if (ShownBoards == 0) {
        platform::messageBox(this, QStringLiteral("There are no results to save yet."));
        return;
    }
    // The boards on screen now, as the last click that drew left them.
    const GameInWindow &shown = LottoPending == 1 ? LottoInWindow : PowerballInWindow;
    switch (saveResultsFile(this, resultsLines(shown.game, ShownBoards, this->*shown.boards,
                                               dateItem(date, QLocale::system())))) {
    case SaveOutcome::Saved:
        setWindowTitle(QStringLiteral("Ziventa"));
        break;
    case SaveOutcome::Failed:
        setWindowTitle(QStringLiteral("File not saved...!"));
        break;
    case SaveOutcome::Cancelled:
        break;
    }
}

void Frmlotto::Command2_Click() { printWindow(*this); }
void Frmlotto::mnuPrint_Click() { printWindow(*this); }

// Only this window goes: an information window left open keeps the program
// running until it is closed too. Closing the window from its title bar asks
// nothing.
void Frmlotto::cmdexit_Click()
{
    if (confirmExit(this))
        close();
}

void Frmlotto::mnuexit_Click()
{
    if (confirmExit(this))
        close();
}

void Frmlotto::mnuabtus_Click() { info::showWindow<info::frmAbout>(); }
void Frmlotto::mnuViewhelp_Click() { info::showWindow<info::Dialog>(); }
void Frmlotto::mnuDis_Click() { info::showWindow<info::frmdis>(); }

} // namespace app
