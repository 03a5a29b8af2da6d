#pragma once

#include <QColor>
#include <QLabel>
#include <QString>
#include <QWidget>

class QImage;

namespace form {

// A ball cell: shows its picture at the picture's own size from the top-left
// corner, never stretched. picturePath is the file its picture was loaded
// from, empty while it shows none.
class BallImage : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString picturePath READ picturePath)
public:
    explicit BallImage(QWidget *parent = nullptr);

    QString picturePath() const { return path; }

    void showPicture(const QImage &picture, const QString &fromPath);
    // For a picture that could not be loaded: the number, as text.
    void showNumber(int number);
    void clearPicture();

private:
    QString path;
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

// A straight horizontal line, never in the way of a click.
class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(const QColor &color, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color;
};

} // namespace form
