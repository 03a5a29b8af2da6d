#include "app/Frmlotto.h"

namespace app {

// The board draws are not written yet: a game click does nothing so far.
void Frmlotto::CmdLotto_Click() {}
void Frmlotto::mnulotto_Click() {}
void Frmlotto::CmdPowerball_Click() {}
void Frmlotto::mnuPowerball_Click() {}

} // namespace app
