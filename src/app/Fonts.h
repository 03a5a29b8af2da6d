#pragma once

#include <QFont>

namespace app {

// The faces the window was designed with are Windows fonts; where they are
// missing these fall back to the nearest look this system has.
QFont controlFont();   // MS Sans Serif 8.25 pt
QFont rowLabelFont();  // DigifaceWide 12 pt, else a seven-segment face
QFont titleFont();     // Elephant 26.25 pt bold italic underlined, else a bold serif

} // namespace app
