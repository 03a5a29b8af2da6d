#pragma once

#include "draw/BallPictures.h"
#include "draw/BoardNumbers.h"

#include <QStringList>

namespace draw {

class BoardView;

// The steps every board draw is made of. They read the generator through
// randomSource() and touch positions 1 to 6 of one board only.

// Position p gets floor(u * n) + 1 for the generator's next value u: 1 to n.
void DrawNumber(BoardNumbers &numbers, int position, int n);

// Positions 1 to k in ascending order, by the exchange sort the numbers have
// always been ordered with: equal numbers are never exchanged.
void SortBoardNumbers(BoardNumbers &numbers, int k);

// Makes positions 1 to k distinct: walking from position 2 to k, a number
// equal to one before it is drawn again (1 to 49) until it equals none of the
// other numbers. A board without equal numbers uses no value.
void FixAdjacentDuplicates(BoardNumbers &numbers, int k);

// Loads the picture of each position's number afresh from its file, with no
// cache, and hands it to the position's cell. Positions 1 to 5 show 1 to 49,
// position 6 shows 1 to sixthHighest; another number loads nothing and the
// cell stays as it was. Returns the path of every picture that could not be
// loaded, in position order; its cell shows the number as text.
QStringList ShowBallPictures(const BoardNumbers &numbers, BoardView &view, int sixthHighest = HighestBall);

} // namespace draw
