#pragma once

#include <QRect>
#include <QSize>

namespace form {

// The windows were designed in twips (1/1440 inch); a window is laid out in
// pixels at the primary screen's dpi as it is built.
constexpr int TwipsPerInch = 1440;

int twipsToPixels(int twips);
QRect twipsToPixels(const QRect &twips);
QSize twipsToPixels(const QSize &twips);

} // namespace form
