#include "app/Frmlotto.h"

namespace app {

// The exit question and the information windows are not written yet.
void Frmlotto::cmdexit_Click() {}
void Frmlotto::mnuexit_Click() {}
void Frmlotto::mnuabtus_Click() {}
void Frmlotto::mnuViewhelp_Click() {}
void Frmlotto::mnuDis_Click() {}

} // namespace app
