#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <cmath>

namespace platform {

// The windows were designed in twips (1/1440 inch); their sizes are kept in
// twips and converted to pixels once, when a window is built.
constexpr int TwipsPerInch = 1440;

inline int twipsToPixels(int twips, qreal dpi)
{
    return int(std::lround(twips * dpi / TwipsPerInch));
}

inline QRect twipsToPixels(const QRect &twips, qreal dpi)
{
    return {twipsToPixels(twips.left(), dpi), twipsToPixels(twips.top(), dpi),
            twipsToPixels(twips.width(), dpi), twipsToPixels(twips.height(), dpi)};
}

inline QSize twipsToPixels(const QSize &twips, qreal dpi)
{
    return {twipsToPixels(twips.width(), dpi), twipsToPixels(twips.height(), dpi)};
}

// The dots per inch a window built now is laid out for.
inline qreal screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace platform
