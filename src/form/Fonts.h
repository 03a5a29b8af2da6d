#pragma once

#include <QFont>

namespace form {

// The faces the windows were designed with are Windows fonts; where they are
// missing these fall back to the nearest look this system has.
QFont controlFont();    // MS Sans Serif 8.25 pt: every control's unless it has its own
QFont aboutTitleFont(); // MS Sans Serif 9.75 pt bold
QFont helpTitleFont();  // MS Sans Serif 12 pt bold
QFont rowLabelFont();   // DigifaceWide 12 pt, else a seven-segment face
QFont gameTitleFont();  // Elephant 26.25 pt bold italic underlined, else a bold serif

} // namespace form
