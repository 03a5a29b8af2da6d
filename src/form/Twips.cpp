#include "form/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace form {

int twipsToPixels(int twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return int(std::lround(twips * dpi / TwipsPerInch));
}

QRect twipsToPixels(const QRect &twips)
{
    return {twipsToPixels(twips.left()), twipsToPixels(twips.top()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

QSize twipsToPixels(const QSize &twips)
{
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

} // namespace form
