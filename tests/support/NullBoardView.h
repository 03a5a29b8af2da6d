#pragma once

#include "draw/BoardView.h"

// A board row that shows nothing, for tests that care only about the numbers.
class NullBoardView final : public draw::BoardView {
public:
    void hidePowerballMarks() override {}
    void showPowerballMarks() override {}
    void showBallPicture(int, const QImage &, const QString &) override {}
    void showBallNumber(int, int) override {}
};
