// Exercise 1: not built yet; the menu's task button does nothing until it is.
#include "screens.h"

namespace smk::screens {

const ScreenDef* FrmZ1() { return nullptr; }

}  // namespace smk::screens
