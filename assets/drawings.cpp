#include "drawings.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace drawings {
namespace {

const QString kSans = QStringLiteral("DejaVu Sans");
const QString kSansCondensed = QStringLiteral("DejaVu Sans Condensed");

const QColor kNavy(0x1c, 0x2f, 0x5e);
const QColor kGold(0xd4, 0xa2, 0x37);
const QColor kInk(0x1b, 0x1f, 0x27);

QFont boldFont(const QString &family, int pixelSize, qreal letterSpacing = 0)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    if (letterSpacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

// Centres the ink of the text, not its line box: digits have no descenders,
// so centring on the font's ascent and descent would sit them too high.
void drawCentredText(QPainter &p, QPointF centre, const QString &text, const QFont &font,
                     const QColor &colour)
{
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(text);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(centre - ink.center(), text);
}

// Ball colours by tens, the way draw machines colour their balls.
QColor ballColour(int number)
{
    static const QColor colours[] = {
        QColor(0xf2, 0xb8, 0x0c), // 1-9 yellow
        QColor(0x1f, 0x6f, 0xd1), // 10-19 blue
        QColor(0xd9, 0x30, 0x2c), // 20-29 red
        QColor(0x2e, 0x9e, 0x48), // 30-39 green
        QColor(0x86, 0x3f, 0xc0), // 40-49 purple
    };
    return colours[std::clamp(number / 10, 0, 4)];
}

struct BallLook {
    QColor light, base, dark, outline;
};

BallLook colouredLook(const QColor &colour)
{
    return {colour.lighter(150), colour, colour.darker(155), colour.darker(185)};
}

// A white ball on a white page needs its edge drawn by the shading alone.
const BallLook kWhiteLook{Qt::white, QColor(0xf6, 0xf6, 0xf6), QColor(0xc4, 0xc7, 0xcc),
                          QColor(0xb0, 0xb4, 0xba)};

// A lottery ball: a shaded sphere lit from the top left, with the label on a
// white disc in its middle. discRatio 0 leaves the label straight on the ball.
void drawBall(QPainter &p, const QRectF &bounds, const BallLook &look, const QString &label,
              qreal discRatio = 0.62)
{
    const QPointF centre = bounds.center();
    const qreal radius = bounds.width() / 2;
    const qreal outlineWidth = std::max(1.0, radius / 22);

    QRadialGradient shade(centre, radius, centre - QPointF(radius * 0.38, radius * 0.45));
    shade.setColorAt(0.0, look.light);
    shade.setColorAt(0.55, look.base);
    shade.setColorAt(1.0, look.dark);
    p.setPen(QPen(look.outline, outlineWidth));
    p.setBrush(shade);
    const qreal inset = outlineWidth / 2;
    p.drawEllipse(bounds.adjusted(inset, inset, -inset, -inset));

    qreal textRadius = radius * 0.62;
    if (discRatio > 0) {
        const qreal discRadius = radius * discRatio;
        QRadialGradient discShade(centre, discRadius, centre - QPointF(0, discRadius * 0.5));
        discShade.setColorAt(0.0, Qt::white);
        discShade.setColorAt(0.8, QColor(0xfa, 0xfa, 0xfa));
        discShade.setColorAt(1.0, QColor(0xe2, 0xe4, 0xe8));
        p.setPen(QPen(look.outline.lighter(115), std::max(0.8, radius / 40)));
        p.setBrush(discShade);
        p.drawEllipse(centre, discRadius, discRadius);
        textRadius = discRadius;
    }

    // Larger balls get a soft gloss; on the smallest it would only blur the edge.
    if (radius > 24) {
        const QPointF spot = centre - QPointF(radius * 0.5, radius * 0.55);
        QRadialGradient gloss(spot, radius * 0.32);
        gloss.setColorAt(0.0, QColor(255, 255, 255, 170));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gloss);
        p.drawEllipse(spot, radius * 0.32, radius * 0.32);
    }

    // Two digits need a narrower face to keep clear of the disc's edge.
    const bool wide = label.size() > 1;
    const int pixelSize = qRound(textRadius * (wide ? 1.2 : 1.3));
    drawCentredText(p, centre, label, boldFont(wide ? kSansCondensed : kSans, pixelSize), kInk);
}

void drawGroundShadow(QPainter &p, QPointF centre, qreal width, qreal height, int alpha)
{
    QRadialGradient shadow(centre, width / 2);
    shadow.setColorAt(0.0, QColor(0, 0, 0, alpha));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.translate(centre);
    p.scale(1.0, height / width);
    p.drawEllipse(QPointF(), width / 2, width / 2);
    p.restore();
}

QPolygonF starPolygon(QPointF centre, qreal outer, qreal inner, int points)
{
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const qreal r = (i % 2 == 0) ? outer : inner;
        star << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return star;
}

// NORVANE's mark, shared by the logo and the seal: a navy ball carrying a
// white N, ringed in gold.
void drawMakerMark(QPainter &p, QPointF centre, qreal radius)
{
    QRadialGradient shade(centre, radius, centre - QPointF(radius * 0.35, radius * 0.45));
    shade.setColorAt(0.0, kNavy.lighter(190));
    shade.setColorAt(0.6, kNavy);
    shade.setColorAt(1.0, kNavy.darker(150));
    p.setPen(QPen(kGold, radius * 0.08));
    p.setBrush(shade);
    p.drawEllipse(centre, radius * 0.96, radius * 0.96);

    p.setPen(QPen(QColor(255, 255, 255, 90), radius * 0.025));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.80, radius * 0.80);

    drawCentredText(p, centre, QStringLiteral("N"), boldFont(kSans, qRound(radius * 1.05)),
                    Qt::white);
}

// Lays the text along a circle, centred on the top or the bottom, reading
// left to right either way; glyphs sit centred on the circle.
void drawTextOnCircle(QPainter &p, QPointF centre, qreal radius, const QString &text,
                      bool bottom, qreal spacing)
{
    const QFontMetricsF metrics(p.font());
    qreal total = 0;
    for (const QChar ch : text)
        total += metrics.horizontalAdvance(ch) + spacing;
    total -= spacing;

    const qreal baseline = (bottom ? radius : -radius) + metrics.capHeight() / 2;
    qreal along = 0;
    for (const QChar ch : text) {
        const qreal advance = metrics.horizontalAdvance(ch);
        const qreal offset = along + advance / 2 - total / 2;
        const qreal degrees = qRadiansToDegrees(offset / radius);
        p.save();
        p.translate(centre);
        p.rotate(bottom ? -degrees : degrees);
        p.drawText(QPointF(-advance / 2, baseline), QString(ch));
        p.restore();
        along += advance + spacing;
    }
}

} // namespace

bool fontsAvailable()
{
    return QFontInfo(QFont(kSans)).family() == kSans
        && QFontInfo(QFont(kSansCondensed)).family() == kSansCondensed;
}

void windowIcon(QPainter &p, QSize size)
{
    drawBall(p, QRectF(QPointF(), size).adjusted(0.5, 0.5, -0.5, -0.5),
             colouredLook(ballColour(20)), QStringLiteral("7"), 0.6);
}

void numberBall(QPainter &p, QSize size, int number)
{
    drawBall(p, QRectF(QPointF(), size), colouredLook(ballColour(number)),
             QString::number(number));
}

void saveButton(QPainter &p, QSize)
{
    // A floppy disk with its top right corner clipped, as the real ones were.
    QPainterPath body;
    body.addRoundedRect(QRectF(5, 4, 38, 40), 3, 3);
    QPainterPath corner;
    corner.moveTo(36, 3);
    corner.lineTo(44, 3);
    corner.lineTo(44, 11);
    corner.closeSubpath();
    body = body.subtracted(corner);

    QLinearGradient blue(0, 4, 0, 44);
    blue.setColorAt(0, QColor(0x3f, 0x78, 0xd0));
    blue.setColorAt(1, QColor(0x22, 0x45, 0x8c));
    p.setPen(QPen(QColor(0x15, 0x2c, 0x5c), 1));
    p.setBrush(blue);
    p.drawPath(body);

    QLinearGradient metal(0, 4, 0, 18);
    metal.setColorAt(0, QColor(0xf1, 0xf3, 0xf5));
    metal.setColorAt(1, QColor(0xb4, 0xba, 0xc3));
    p.setPen(QPen(QColor(0x5d, 0x66, 0x73), 1));
    p.setBrush(metal);
    p.drawRect(QRectF(14.5, 4.5, 19, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3b, 0x44, 0x50));
    p.drawRect(QRectF(27, 7, 4, 8));

    p.setPen(QPen(QColor(0x9a, 0xa6, 0xb8), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10.5, 23.5, 27, 18), 1.5, 1.5);
    p.setPen(QPen(QColor(0x8f, 0xa9, 0xd6), 1.2));
    for (int y : {29, 33, 37})
        p.drawLine(QPointF(14, y), QPointF(34, y));
}

void printButton(QPainter &p, QSize)
{
    const QPen paperEdge(QColor(0x8a, 0x90, 0x99), 1);

    p.setPen(paperEdge);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(13.5, 2.5, 23, 14));

    QLinearGradient casing(0, 13, 0, 33);
    casing.setColorAt(0, QColor(0xe8, 0xeb, 0xee));
    casing.setColorAt(1, QColor(0x9c, 0xa3, 0xac));
    p.setPen(QPen(QColor(0x55, 0x5c, 0x66), 1));
    p.setBrush(casing);
    p.drawRoundedRect(QRectF(3.5, 13.5, 43, 20), 3, 3);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x50, 0x59));
    p.drawRect(QRectF(11, 16.5, 28, 2));
    p.setBrush(QColor(0x34, 0x39, 0x41));
    p.drawRoundedRect(QRectF(9, 26.5, 32, 3.5), 1, 1);
    p.setBrush(QColor(0x2f, 0xc2, 0x58));
    p.drawEllipse(QPointF(41, 20), 1.8, 1.8);

    p.setPen(paperEdge);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12.5, 28.5, 25, 13));
    p.setPen(QPen(QColor(0x9a, 0xa0, 0xa8), 1));
    const int lineEnds[] = {33, 30, 34};
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(16, 32 + i * 3), QPointF(lineEnds[i], 32 + i * 3));
}

void exitButton(QPainter &p, QSize)
{
    // Daylight through an open doorway, the door swung in, an arrow leading out.
    const QRectF frame(8, 4, 24, 40);
    QLinearGradient daylight(0, frame.top(), 0, frame.bottom());
    daylight.setColorAt(0, QColor(0xff, 0xf6, 0xc8));
    daylight.setColorAt(1, QColor(0xff, 0xe0, 0x8a));
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), 2));
    p.setBrush(daylight);
    p.drawRect(frame);

    QPolygonF door;
    door << QPointF(9, 5) << QPointF(21, 9) << QPointF(21, 40) << QPointF(9, 43);
    QLinearGradient wood(9, 0, 21, 0);
    wood.setColorAt(0, QColor(0x8a, 0x55, 0x25));
    wood.setColorAt(1, QColor(0xb8, 0x78, 0x3a));
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1e), 1));
    p.setBrush(wood);
    p.drawPolygon(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc9, 0x4c));
    p.drawEllipse(QPointF(18.5, 25), 1.4, 1.4);

    QPolygonF arrow;
    arrow << QPointF(24, 21) << QPointF(35, 21) << QPointF(35, 15) << QPointF(46, 25)
          << QPointF(35, 35) << QPointF(35, 29) << QPointF(24, 29);
    QLinearGradient green(0, 15, 0, 35);
    green.setColorAt(0, QColor(0x4c, 0xc2, 0x62));
    green.setColorAt(1, QColor(0x22, 0x86, 0x3a));
    p.setPen(QPen(QColor(0x17, 0x5e, 0x28), 1.2));
    p.setBrush(green);
    p.drawPolygon(arrow);
}

void makerLogo(QPainter &p, QSize size)
{
    const qreal mid = size.height() / 2.0;
    const qreal markRadius = 35;
    drawMakerMark(p, QPointF(8 + markRadius, mid), markRadius);

    // The word takes the largest size that fits beside the mark.
    const QString name = QStringLiteral("NORVANE");
    const qreal left = 2 * markRadius + 20;
    const qreal room = size.width() - left - 8;
    const qreal spacing = 2;
    int pixelSize = 60;
    while (QFontMetricsF(boldFont(kSansCondensed, pixelSize, spacing)).horizontalAdvance(name) - spacing > room)
        --pixelSize;
    const QFont word = boldFont(kSansCondensed, pixelSize, spacing);
    const QFontMetricsF metrics(word);
    const qreal wordWidth = metrics.horizontalAdvance(name) - spacing;
    const qreal baseline = mid + metrics.capHeight() / 2 - 6;
    p.setFont(word);
    p.setPen(kNavy);
    p.drawText(QPointF(left, baseline), name);

    // A row of draw-ball colours under the word ties the maker to its product.
    const qreal barY = baseline + 10;
    const qreal step = wordWidth / 5;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(ballColour(i * 10 + 5));
        p.drawRoundedRect(QRectF(left + i * step + 1, barY, step - 2, 5), 2.5, 2.5);
    }
}

void aboutSide(QPainter &p, QSize size)
{
    QLinearGradient night(0, 0, 0, size.height());
    night.setColorAt(0, QColor(0x1d, 0x3a, 0x73));
    night.setColorAt(1, QColor(0x0a, 0x15, 0x30));
    p.fillRect(QRect(QPoint(), size), night);
    QRadialGradient glow(QPointF(size.width() * 0.45, size.height() * 0.4), size.height() * 0.5);
    glow.setColorAt(0, QColor(0x6f, 0x9c, 0xe8, 90));
    glow.setColorAt(1, QColor(0x6f, 0x9c, 0xe8, 0));
    p.fillRect(QRect(QPoint(), size), glow);

    struct Placed {
        qreal x, y, radius;
        int number;
    };
    // Listed back to front, so nearer balls overlap the ones behind.
    const Placed balls[] = {
        {198, 66, 48, 14},  {80, 112, 56, 7},   {198, 184, 60, 23},
        {84, 254, 62, 31},  {200, 312, 52, 42}, {88, 350, 36, 19},
    };
    for (const Placed &b : balls) {
        drawGroundShadow(p, QPointF(b.x + b.radius * 0.15, b.y + b.radius * 0.9), b.radius * 1.9,
                         b.radius * 0.5, 110);
        drawBall(p, QRectF(b.x - b.radius, b.y - b.radius, 2 * b.radius, 2 * b.radius),
                 colouredLook(ballColour(b.number)), QString::number(b.number));
    }
}

void aboutSeal(QPainter &p, QSize size)
{
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    const qreal outer = std::min(size.width(), size.height()) / 2.0 - 4;

    QRadialGradient gold(c, outer, c - QPointF(outer * 0.3, outer * 0.4));
    gold.setColorAt(0, QColor(0xf4, 0xd4, 0x7c));
    gold.setColorAt(1, QColor(0xa8, 0x78, 0x1e));
    p.setPen(QPen(QColor(0x8a, 0x62, 0x18), 1.5));
    p.setBrush(gold);
    p.drawPolygon(starPolygon(c, outer, outer - 11, 72));

    const qreal bandOuter = outer - 20;
    const qreal bandInner = outer - 92;
    QRadialGradient navy(c, bandOuter);
    navy.setColorAt(0.7, kNavy.lighter(125));
    navy.setColorAt(1.0, kNavy);
    p.setPen(QPen(kGold, 4));
    p.setBrush(navy);
    p.drawEllipse(c, bandOuter, bandOuter);

    QRadialGradient paper(c, bandInner, c - QPointF(0, bandInner * 0.4));
    paper.setColorAt(0, QColor(0xff, 0xfd, 0xf6));
    paper.setColorAt(1, QColor(0xf1, 0xea, 0xd6));
    p.setPen(QPen(kGold, 4));
    p.setBrush(paper);
    p.drawEllipse(c, bandInner, bandInner);
    p.setPen(QPen(kGold, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, bandInner - 9, bandInner - 9);
    p.drawEllipse(c, bandOuter - 8, bandOuter - 8);

    const qreal textRadius = (bandOuter + bandInner) / 2;
    p.setPen(Qt::white);
    p.setFont(boldFont(kSans, 44));
    drawTextOnCircle(p, c, textRadius, QStringLiteral("NORVANE"), false, 10);
    p.setPen(QColor(0xf4, 0xd4, 0x7c));
    p.setFont(boldFont(kSans, 26));
    drawTextOnCircle(p, c, textRadius, QStringLiteral("QUALITY SOFTWARE"), true, 5);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xd4, 0x7c));
    for (qreal side : {-1.0, 1.0})
        p.drawPolygon(starPolygon(c + QPointF(side * textRadius, 0), 14, 6, 5));

    drawMakerMark(p, c - QPointF(0, 22), 118);

    // Five draw-ball colours arc under the mark, as on the logo.
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(90.0 - (i - 2) * 17.0);
        const QPointF at = c - QPointF(0, 22) + QPointF(std::cos(angle), std::sin(angle)) * 150;
        drawBall(p, QRectF(at - QPointF(13, 13), QSizeF(26, 26)), colouredLook(ballColour(i * 10 + 5)),
                 QString(), 0);
    }
}

void helpBalls(QPainter &p, QSize size)
{
    // Six white balls stacked in a pyramid, resting on the bottom of the picture.
    const qreal radius = 52;
    const qreal rowStep = 2 * radius * std::sqrt(3.0) / 2;
    const qreal cx = size.width() / 2.0;
    const qreal floor = size.height() - 14 - radius;
    const int numbers[] = {36, 3, 45, 11, 24, 17};
    const QPointF centres[] = {
        {cx, floor - 2 * rowStep},
        {cx - radius, floor - rowStep},  {cx + radius, floor - rowStep},
        {cx - 2 * radius, floor},        {cx, floor},  {cx + 2 * radius, floor},
    };
    for (int i = 3; i < 6; ++i)
        drawGroundShadow(p, centres[i] + QPointF(6, radius * 0.92), radius * 2.1, radius * 0.45, 70);
    for (int i = 0; i < 6; ++i)
        drawBall(p, QRectF(centres[i] - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                 kWhiteLook, QString::number(numbers[i]), 0.6);
}

} // namespace drawings
