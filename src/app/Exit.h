#pragma once

class QWidget;

namespace app {

// Asks whether to exit and, on Yes, thanks the user. True when the window
// asking is to close.
bool confirmExit(QWidget *parent);

} // namespace app
