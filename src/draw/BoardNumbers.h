#pragma once

#include <array>
#include <cstdint>

namespace draw {

// One board's numbers. Positions 1 to 6 are the board's numbers in display
// order; position 0 exists only because the results file and the draws count
// positions from 1, and nothing ever writes it.
using BoardNumbers = std::array<std::int16_t, 7>;

constexpr int BoardCount = 6;
constexpr int BallsPerBoard = 6;
constexpr int HighestBall = 49;

} // namespace draw
