#include "app/Frmlotto.h"

namespace app {

// Saving is not written yet: the save button does nothing so far.
void Frmlotto::Command1_Click() {}

} // namespace app
