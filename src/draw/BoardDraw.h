#pragma once

#include "draw/BoardNumbers.h"
#include "draw/Game.h"

namespace draw {

class RandomSource;

// A board of game: re-seeds random, draws the main numbers and the
// powerball, sorts, makes the main numbers distinct and sorts again. Writes
// positions 1 to 6 of numbers and nothing else; what they held before plays
// no part.
void DrawBoard(const Game &game, BoardNumbers &numbers, RandomSource &random);

// The steps every board draw is made of. They touch positions 1 to 6 of one
// board only.

// Position p gets floor(u * n) + 1 for random's next value u: 1 to n.
void DrawNumber(BoardNumbers &numbers, int position, int n, RandomSource &random);

// Positions 1 to k in ascending order; an exchange sort is all six numbers
// need.
void SortBoardNumbers(BoardNumbers &numbers, int k);

// Makes positions 1 to k distinct: walking from position 2 to k, a number
// equal to one before it is drawn again (1 to 49) until it equals none of the
// other numbers. A board without equal numbers uses no value.
void FixAdjacentDuplicates(BoardNumbers &numbers, int k, RandomSource &random);

} // namespace draw
