#pragma once

#include <QString>

class QImage;

namespace draw {

// One board's row of the window as a board draw sees it: six ball cells, the
// board's powerball frame and the shared "PowerBall No:" label. The window
// implements it over its widgets; tests implement it to record what a draw did.
class BoardView {
public:
    virtual ~BoardView() = default;

    // The label and the frames of all six boards hidden (a Lotto board).
    virtual void hidePowerballMarks() = 0;
    // The label and this board's own frame shown (a Powerball board).
    virtual void showPowerballMarks() = 0;
    // The cell of position (1 to 6) shows picture, loaded from path.
    virtual void showBallPicture(int position, const QImage &picture, const QString &path) = 0;
    // The number's picture could not be loaded: the cell shows the number as
    // text instead, so the pick stays readable.
    virtual void showBallNumber(int position, int number) = 0;
};

} // namespace draw
