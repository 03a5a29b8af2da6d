#pragma once

#include "draw/BoardNumbers.h"
#include "draw/Game.h"

#include <QStringList>
#include <array>

namespace form {
class BallImage;
class FrameShape;
} // namespace form

namespace app {

using form::BallImage;
using form::FrameShape;

// One row of the window's binding table: board k's six ball images, left to
// right, and its powerball frame.
struct BoardRow {
    std::array<BallImage *, draw::BallsPerBoard> images{};
    FrameShape *frame = nullptr;

    // Shows a board of game just drawn: each number's picture read afresh
    // from its file, the frame shown for a Powerball board. A number with no
    // picture for its position leaves its cell empty; a picture that cannot
    // be loaded leaves the number as text. Returns the paths of those, in
    // position order.
    QStringList show(const draw::Game &game, const draw::BoardNumbers &numbers) const;
    // No board: every picture gone, the frame hidden.
    void clear() const;
};

} // namespace app
