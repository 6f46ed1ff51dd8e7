// Exercise 8: not built yet; the menu's task button does nothing until it is.
#include "screens.h"

namespace smk::screens {

const ScreenDef* FrmZ8() { return nullptr; }

}  // namespace smk::screens
