#include "form/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace form {

namespace {

// The first of wanted that this system has, else fallback.
QString installedFamily(const QStringList &wanted, const QString &fallback)
{
    const QStringList have = QFontDatabase::families();
    for (const QString &family : wanted)
        if (have.contains(family, Qt::CaseInsensitive))
            return family;
    return fallback;
}

// Each face is looked up once: the fonts installed do not change while the
// program runs, and a window asks for its faces control by control.
QFont sansSerifFont(qreal points)
{
    static const QString family =
        installedFamily({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"}, QFont().family());
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

QFont boldSansSerifFont(qreal points)
{
    QFont font = sansSerifFont(points);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace

QFont controlFont()
{
    return sansSerifFont(8.25);
}

QFont aboutTitleFont()
{
    return boldSansSerifFont(9.75);
}

QFont helpTitleFont()
{
    return boldSansSerifFont(12);
}

QFont rowLabelFont()
{
    static const QString family = installedFamily({"DigifaceWide", "DSEG7 Classic"}, "Monospace");
    QFont font(family);
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(12);
    font.setWeight(QFont::Normal);
    return font;
}

QFont gameTitleFont()
{
    static const QString family = installedFamily({"Elephant", "DejaVu Serif", "Liberation Serif"}, "Serif");
    QFont font(family);
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(26.25);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    font.setUnderline(true);
    return font;
}

} // namespace form
