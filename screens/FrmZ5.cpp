// Exercise 5: not built yet; the menu's task button does nothing until it is.
#include "screens.h"

namespace smk::screens {

const ScreenDef* FrmZ5() { return nullptr; }

}  // namespace smk::screens
