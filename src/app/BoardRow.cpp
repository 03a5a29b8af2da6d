#include "app/BoardRow.h"

#include "app/BallPictures.h"
#include "form/Controls.h"

namespace app {

QStringList BoardRow::show(const draw::Game &game, const draw::BoardNumbers &numbers) const
{
    QStringList unloadable;
    for (int p = 1; p <= draw::BallsPerBoard; ++p) {
        BallImage *image = images[p - 1];
        const int n = numbers[p];
        const QString path = n <= game.highest(p) ? ballPicturePath(n) : QString();
        // Each cell is set once, in place: a picture is read from its file
        // every time, never from a cache.
        const QImage picture = path.isEmpty() ? QImage() : loadBallPicture(path);
        if (!picture.isNull()) {
            image->showPicture(picture, path);
        } else if (path.isEmpty()) {
            image->clearPicture();
        } else {
            image->showNumber(n);
            unloadable << path;
        }
    }
    frame->setVisible(game.hasPowerball());
    return unloadable;
}

void BoardRow::clear() const
{
    for (BallImage *image : images)
        image->clearPicture();
    frame->hide();
}

} // namespace app
