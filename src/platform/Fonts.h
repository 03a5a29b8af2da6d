#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

// The faces the windows were designed with are Windows fonts: the first of
// wanted that this system has, else fallback.
QString installedFamily(const QStringList &wanted, const QString &fallback);

// MS Sans Serif at this size, or the nearest face this system has.
QFont sansSerifFont(qreal points);

} // namespace platform
