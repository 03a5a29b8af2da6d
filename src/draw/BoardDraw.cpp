#include "draw/BoardDraw.h"

#include "draw/BoardSteps.h"
#include "draw/BoardView.h"
#include "draw/Random.h"

namespace draw {

namespace {

// What tells the two games apart in a board draw.
struct Game {
    int mainNumbers;     // drawn from 1 to 49, sorted and made distinct
    int powerballHighest; // 0: no powerball; else position 6 from 1 to this
};

constexpr Game Lotto{6, 0};
constexpr Game Powerball{5, 20};

void pickNumbers(const Game &game, BoardNumbers &numbers, BoardView &view)
{
    randomSource().reseed();
    for (int p = 1; p <= game.mainNumbers; ++p)
        DrawNumber(numbers, p, HighestBall);
    if (game.powerballHighest) {
        DrawNumber(numbers, BallsPerBoard, game.powerballHighest);
        view.showPowerballMarks();
    } else {
        view.hidePowerballMarks();
    }
    SortBoardNumbers(numbers, game.mainNumbers);
    FixAdjacentDuplicates(numbers, game.mainNumbers);
    SortBoardNumbers(numbers, game.mainNumbers);
}

QStringList drawBoard(const Game &game, BoardNumbers &numbers, BoardView &view)
{
    pickNumbers(game, numbers, view);
    return ShowBallPictures(numbers, view, game.powerballHighest ? game.powerballHighest : HighestBall);
}

} // namespace

QStringList LottoBoard(BoardNumbers &numbers, BoardView &view)
{
    return drawBoard(Lotto, numbers, view);
}

QStringList PowerballBoard(BoardNumbers &numbers, BoardView &view)
{
    return drawBoard(Powerball, numbers, view);
}

void PickLottoNumbers(BoardNumbers &numbers, BoardView &view)
{
    pickNumbers(Lotto, numbers, view);
}

void PickPowerballNumbers(BoardNumbers &numbers, BoardView &view)
{
    pickNumbers(Powerball, numbers, view);
}

} // namespace draw
