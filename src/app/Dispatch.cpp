#include "app/Frmlotto.h"

#include "draw/BallPictures.h"
#include "draw/BoardDraw.h"
#include "form/Controls.h"
#include "platform/ModalUi.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace app {

// What tells a Lotto click from a Powerball click.
struct Frmlotto::GameClick {
    QStringList (*drawBoard)(draw::BoardNumbers &, draw::BoardView &);
    std::array<draw::BoardNumbers, draw::BoardCount> Frmlotto::*numbers;
    // LottoPending after a click that drew: the save writes what is shown.
    std::int16_t lottoPending;
    const char *lottoCaption;
    const char *powerballCaption;
    const char *title;
};

const Frmlotto::GameClick Frmlotto::LottoClick{draw::LottoBoard, &Frmlotto::LottoNumbers, 1,
                                               "Roll Again...", "PowerBall", "Lotto"};
const Frmlotto::GameClick Frmlotto::PowerballClick{draw::PowerballBoard, &Frmlotto::PowerballNumbers, 0,
                                                   "Lotto", "Roll Again...", "PowerBall"};

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

// What the user reads about the pictures a click could not show. Without
// the folder every picture fails: one line naming where it was looked for
// says more than a line per file.
QString unloadableMessage(QStringList paths)
{
    const QFileInfo folder(draw::ballPictureFolder());
    if (!folder.isDir())
        return QStringLiteral("Cannot find the folder of ball pictures %1")
            .arg(QDir::toNativeSeparators(folder.absoluteFilePath()));
    paths.removeDuplicates();
    QStringList lines;
    for (const QString &path : paths)
        lines << QStringLiteral("Cannot load the ball picture %1").arg(path);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void Frmlotto::CmdLotto_Click() { playGame(LottoClick); }
void Frmlotto::mnulotto_Click() { playGame(LottoClick); }
void Frmlotto::CmdPowerball_Click() { playGame(PowerballClick); }
void Frmlotto::mnuPowerball_Click() { playGame(PowerballClick); }

void Frmlotto::playGame(const GameClick &game)
{
    const QString text = Combo1->currentText();
    const int n = boardCount(text);
    QStringList unloadable;
    if (text.isEmpty()) {
        platform::messageBox(this, QStringLiteral("Please select the number of boards you wish to play"));
    } else if (n > 0) {
        ClearBoards();
        for (int k = 1; k <= n; ++k)
            unloadable << game.drawBoard((this->*game.numbers)[k - 1], boardRows[k - 1]);
        LottoPending = game.lottoPending;
        ShownBoards = std::int16_t(n);
    }
    CmdLotto->setText(QString::fromLatin1(game.lottoCaption));
    CmdPowerball->setText(QString::fromLatin1(game.powerballCaption));
    Label2->setText(QString::fromLatin1(game.title));

    // A missing picture costs only its own cell: the click has drawn and
    // stored every board, and the user is told once which files failed.
    if (!unloadable.isEmpty())
        platform::messageBox(this, unloadableMessage(unloadable), QMessageBox::Critical);
}

void Frmlotto::ClearBoards()
{
    for (BoardRow &row : boardRows)
        row.clearPictures();
    for (FrameShape *shape : frameShapes)
        shape->hide();
}

} // namespace app
