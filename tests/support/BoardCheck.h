#pragma once

#include "draw/BoardNumbers.h"

// Whether numbers is a board as a finished draw leaves it: six (Lotto) or
// five (Powerball) distinct main numbers in ascending order from 1 to 49,
// then for Powerball the powerball from 1 to 20; position 0 still holding
// untouched.
inline bool isDrawnBoard(const draw::BoardNumbers &numbers, bool powerball, std::int16_t untouched)
{
    const int mains = powerball ? 5 : 6;
    if (numbers[0] != untouched)
        return false;
    for (int p = 1; p <= mains; ++p)
        if (numbers[p] < (p == 1 ? 1 : numbers[p - 1] + 1) || numbers[p] > 49)
            return false;
    return !powerball || (numbers[6] >= 1 && numbers[6] <= 20);
}
