#pragma once

#include "draw/BoardNumbers.h"

#include <cstdint>

namespace draw {

// Everything that tells Lotto from Powerball: how a board is drawn, what a
// click leaves in the window, and how the results file names the game.
struct Game {
    // Label2's caption after a click, and the game's item on a results line.
    const char *name;
    // Drawn from 1 to HighestBall at positions 1 on, sorted and made distinct.
    int mainNumbers;
    // 0: no powerball. Else position 6 is drawn from 1 to this, apart from
    // the main numbers (it may equal one of them).
    int powerballHighest;
    // LottoPending after a click that drew: the save writes what is shown.
    std::int16_t lottoPending;
    // The captions of CmdLotto and CmdPowerball after a click.
    const char *lottoCaption;
    const char *powerballCaption;

    constexpr bool hasPowerball() const { return powerballHighest > 0; }
    // The highest number position p (1 to 6) of this game's board holds.
    constexpr int highest(int position) const
    {
        return hasPowerball() && position == BallsPerBoard ? powerballHighest : HighestBall;
    }
};

inline constexpr Game Lotto{"Lotto", 6, 0, 1, "Roll Again...", "PowerBall"};
inline constexpr Game Powerball{"PowerBall", 5, 20, 0, "Lotto", "Roll Again..."};

} // namespace draw
