#pragma once

class QAbstractButton;
class QWidget;

namespace app {

// The window's menu shortcuts win over field's own keys: Ctrl+X asks
// whether to exit even from the board-count box, where the field would take
// it as Cut.
void letMenuKeysWinIn(QWidget *field, QWidget *window);

// Enter and keypad Enter on the focused button press it once, as Space
// does, a held key no more than once: the window was designed for a system
// where a command button takes both. No button becomes a default one, so
// Enter anywhere else presses nothing.
void pressOnEnter(QAbstractButton *button);

} // namespace app
