#include "app/Frmlotto.h"

#include "app/BallPictures.h"
#include "draw/BoardDraw.h"
#include "form/Controls.h"
#include "platform/ModalUi.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

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

void Frmlotto::CmdLotto_Click() { playGame(draw::Lotto); }
void Frmlotto::mnulotto_Click() { playGame(draw::Lotto); }
void Frmlotto::CmdPowerball_Click() { playGame(draw::Powerball); }
void Frmlotto::mnuPowerball_Click() { playGame(draw::Powerball); }

std::array<draw::BoardNumbers, draw::BoardCount> &Frmlotto::boardsOf(const draw::Game &game)
{
    return &game == &draw::Lotto ? LottoNumbers : PowerballNumbers;
}

void Frmlotto::playGame(const draw::Game &game)
{
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
            draw::BoardNumbers &numbers = boardsOf(game)[k - 1];
            draw::DrawBoard(game, numbers, *randomSource);
            unloadable << boardRows[k - 1].show(game, numbers);
        }
        lblpowerball->setVisible(game.hasPowerball());
        LottoPending = game.lottoPending;
        ShownBoards = std::int16_t(n);
    }
    CmdLotto->setText(QString::fromLatin1(game.lottoCaption));
    CmdPowerball->setText(QString::fromLatin1(game.powerballCaption));
    Label2->setText(QString::fromLatin1(game.name));

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

} // namespace app
