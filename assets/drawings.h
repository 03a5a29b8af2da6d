#pragma once

#include <QSize>

class QPainter;

// Each function paints one picture onto a canvas of the given size that has
// already been filled with the picture's background.
namespace drawings {

void windowIcon(QPainter &p, QSize size);
void saveButton(QPainter &p, QSize size);
void printButton(QPainter &p, QSize size);
void exitButton(QPainter &p, QSize size);
void makerLogo(QPainter &p, QSize size);
void aboutSide(QPainter &p, QSize size);
void aboutSeal(QPainter &p, QSize size);
void helpBalls(QPainter &p, QSize size);
void numberBall(QPainter &p, QSize size, int number);

// The font every picture uses; false when it is not installed, since another
// font would silently change how the pictures look.
bool fontsAvailable();

} // namespace drawings
