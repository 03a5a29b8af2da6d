#include "app/Frmlotto.h"

namespace app {

// Printing is not written yet: the print button and entry do nothing so far.
void Frmlotto::Command2_Click() {}
void Frmlotto::mnuPrint_Click() {}

} // namespace app
