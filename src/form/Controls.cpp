#include "form/Controls.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace form {

BallImage::BallImage(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
}

void BallImage::showPicture(const QImage &picture, const QString &fromPath)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPixmap(QPixmap::fromImage(picture));
    path = fromPath;
}

void BallImage::showNumber(int number)
{
    setAlignment(Qt::AlignCenter);
    setText(QString::number(number));
    path.clear();
}

void BallImage::clearPicture()
{
    clear();
    path.clear();
}

FrameShape::FrameShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FrameShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // One pixel of the window wide, on the outermost pixels: on screen that is
    // one device pixel, and a print scaled up keeps the outline in proportion.
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

LineShape::LineShape(const QColor &color, QWidget *parent) : QWidget(parent), color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), color);
}

} // namespace form
