#include "app/Fonts.h"

#include "platform/Fonts.h"

namespace app {

using platform::installedFamily;

QFont controlFont()
{
    return platform::sansSerifFont(8.25);
}

QFont rowLabelFont()
{
    QFont font(installedFamily({"DigifaceWide", "DSEG7 Classic"}, "Monospace"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(12);
    font.setWeight(QFont::Normal);
    return font;
}

QFont titleFont()
{
    QFont font(installedFamily({"Elephant", "DejaVu Serif", "Liberation Serif"}, "Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(26.25);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    font.setUnderline(true);
    return font;
}

} // namespace app
