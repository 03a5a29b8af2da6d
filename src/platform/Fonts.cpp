#include "platform/Fonts.h"

#include <QFontDatabase>

namespace platform {

QString installedFamily(const QStringList &wanted, const QString &fallback)
{
    const QStringList have = QFontDatabase::families();
    for (const QString &family : wanted)
        if (have.contains(family, Qt::CaseInsensitive))
            return family;
    return fallback;
}

QFont sansSerifFont(qreal points)
{
    QFont font(installedFamily({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial"}, QFont().family()));
    font.setPointSizeF(points);
    return font;
}

} // namespace platform
