#pragma once

#include "draw/BoardNumbers.h"

#include <QStringList>

namespace draw {

class BoardView;

// The two board draws. Each re-seeds the generator, draws its board's
// numbers, sets the powerball marks, sorts, makes the numbers distinct, sorts
// again and shows the ball pictures. They write positions 1 to 6 of numbers
// and nothing else, and return the paths of the pictures that could not be
// loaded (empty when every picture showed).
//
// Lotto: six numbers from 1 to 49; the powerball marks are hidden.
QStringList LottoBoard(BoardNumbers &numbers, BoardView &view);
// Powerball: five numbers from 1 to 49 at positions 1 to 5 and a powerball
// from 1 to 20 at position 6, drawn apart (it may equal a main number); the
// label and the board's own frame are shown.
QStringList PowerballBoard(BoardNumbers &numbers, BoardView &view);

// The same draws up to the pictures: everything that decides the numbers.
void PickLottoNumbers(BoardNumbers &numbers, BoardView &view);
void PickPowerballNumbers(BoardNumbers &numbers, BoardView &view);

} // namespace draw
