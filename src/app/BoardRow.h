#pragma once

#include "draw/BoardNumbers.h"
#include "draw/BoardView.h"

#include <array>

class QLabel;

namespace form {
class BallImage;
class FrameShape;
} // namespace form

namespace app {

using form::BallImage;
using form::FrameShape;

// One row of the window's binding table: board k's six ball images, left to
// right, and its frame, as the board draws see them.
class BoardRow final : public draw::BoardView {
public:
    using Images = std::array<BallImage *, draw::BallsPerBoard>;
    using Frames = std::array<FrameShape *, draw::BoardCount>;

    BoardRow(const Images &images, FrameShape *frame, QLabel *powerballLabel, const Frames &allFrames);

    void hidePowerballMarks() override;
    void showPowerballMarks() override;
    void showBallPicture(int position, const QImage &picture, const QString &path) override;
    void showBallNumber(int position, int number) override;

    // Every picture of the row gone (the frame is left as it is).
    void clearPictures();

private:
    Images images;
    FrameShape *frame;
    QLabel *powerballLabel;
    Frames allFrames;
};

} // namespace app
