#include "app/BoardRow.h"

#include "form/Controls.h"

namespace app {

BoardRow::BoardRow(const Images &images, FrameShape *frame, QLabel *powerballLabel, const Frames &allFrames)
    : images(images), frame(frame), powerballLabel(powerballLabel), allFrames(allFrames)
{
}

void BoardRow::hidePowerballMarks()
{
    powerballLabel->hide();
    for (FrameShape *shape : allFrames)
        shape->hide();
}

void BoardRow::showPowerballMarks()
{
    powerballLabel->show();
    frame->show();
}

void BoardRow::showBallPicture(int position, const QImage &picture, const QString &path)
{
    images[position - 1]->showPicture(picture, path);
}

void BoardRow::showBallNumber(int position, int number)
{
    images[position - 1]->showNumber(number);
}

void BoardRow::clearPictures()
{
    for (BallImage *image : images)
        image->clearPicture();
}

} // namespace app
