#include "app/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace app {

namespace {
QString firstFamily(const QStringList &wanted, const QString &fallback)
{
    const QStringList have = QFontDatabase::families();
    for (const QString &family : wanted)
        if (have.contains(family, Qt::CaseInsensitive))
            return family;
    return fallback;
}
} // namespace

QFont controlFont()
{
    QFont font(firstFamily({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"}, QFont().family()));
    font.setPointSizeF(8.25);
    return font;
}

QFont rowLabelFont()
{
    QFont font(firstFamily({"DigifaceWide", "DSEG7 Classic"}, "Monospace"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(12);
    font.setWeight(QFont::Normal);
    return font;
}

QFont titleFont()
{
    QFont font(firstFamily({"Elephant", "DejaVu Serif", "Liberation Serif"}, "Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(26.25);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    font.setUnderline(true);
    return font;
}

} // namespace app
