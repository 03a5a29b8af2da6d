#pragma once

#include "draw/BoardNumbers.h"

namespace draw {

// What tells Lotto from Powerball in a draw: how a board is drawn, and how
// the results file names the game.
struct Game {
    // The game's item on a results line.
    const char *name;
    // Drawn from 1 to HighestBall at positions 1 on, sorted and made distinct.
    int mainNumbers;
    // 0: no powerball. Else position 6 is drawn from 1 to this, apart from
    // the main numbers (it may equal one of them).
    int powerballHighest;

    constexpr bool hasPowerball() const { return powerballHighest > 0; }
    // The highest number position p (1 to 6) of this game's board holds.
    constexpr int highest(int position) const
    {
        return hasPowerball() && position == BallsPerBoard ? powerballHighest : HighestBall;
    }
};

inline constexpr Game Lotto{"Lotto", 6, 0};
inline constexpr Game Powerball{"PowerBall", 5, 20};

} // namespace draw
