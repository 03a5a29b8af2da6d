#pragma once

#include "app/BoardRow.h"
#include "draw/BoardNumbers.h"
#include "draw/Random.h"

#include <QDate>
#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace app {

struct GameInWindow;

// The main window. It owns everything that outlives one click: the twelve
// board arrays, LottoPending, the generator and the controls the draws fill.
class Frmlotto : public QMainWindow {
    Q_OBJECT
public:
    explicit Frmlotto(QWidget *parent = nullptr);
    ~Frmlotto() override;

    // LottoNumbers[k - 1] and PowerballNumbers[k - 1] are board k's numbers.
    std::array<draw::BoardNumbers, draw::BoardCount> LottoNumbers{};
    std::array<draw::BoardNumbers, draw::BoardCount> PowerballNumbers{};
    // 1 when the boards on screen are Lotto boards, 0 when they are Powerball.
    std::int16_t LottoPending = 0;
    // How many boards the last click that drew put on screen; 0 before any.
    std::int16_t ShownBoards = 0;
    // Where the save reads today's date; a test puts its own clock here.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // What the board draws read; a test hands the window a source of its own.
    draw::RandomSource *randomSource = &generator;

    // The client area's size in pixels on this screen.
    QSize clientSize() const;

public slots:
    void CmdLotto_Click();
    void mnulotto_Click();
    void CmdPowerball_Click();
    void mnuPowerball_Click();
    void Command1_Click();
    void Command2_Click();
    void mnuPrint_Click();
    void cmdexit_Click();
    void mnuexit_Click();
    void mnuabtus_Click();
    void mnuViewhelp_Click();
    void mnuDis_Click();

private:
    void buildControls();
    void buildMenus();
    void connectEvents();
    void Form_Load();

    // A game click: the board-count ladder, the draws and the closing steps.
    void playGame(const GameInWindow &played);
    // Empties the rows from board first on: the boards a click does not draw.
    void ClearBoards(int first);

    draw::ClockMixedRandom generator;

    QWidget *client = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *CmdLotto = nullptr;
    QPushButton *CmdPowerball = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *cmdexit = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblpowerball = nullptr;
    // Board k's cells and frame are boardRows[k - 1]. A click draws board k
    // of its game into the game's array k - 1 and shows it in that row.
    std::array<BoardRow, draw::BoardCount> boardRows{};

    QAction *mnulotto = nullptr;
    QAction *mnuPowerball = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuexit = nullptr;
    QAction *mnuabtus = nullptr;
    QAction *mnuViewhelp = nullptr;
    QAction *mnuDis = nullptr;
};

} // namespace app
