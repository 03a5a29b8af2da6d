#pragma once

#include <QLabel>
#include <QWidget>

namespace app {

// A ball cell: shows its picture at the picture's own size from the top-left
// corner, never stretched.
class BallImage : public QLabel {
    Q_OBJECT
public:
    explicit BallImage(QWidget *parent = nullptr);
};

// The outline round a board's powerball: one pixel in the window-text colour,
// see-through inside, and never in the way of a click.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    explicit FrameShape(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace app
