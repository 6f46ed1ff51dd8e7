// The ten screens of the program. Each module defines its screen record, its control table in
// stored order (topmost first), its picture assets and its handlers.
#pragma once

#include "runtime/model.h"

namespace smk::screens {

// Each returns the screen's record, or null while the screen is not part of the program yet.
const ScreenDef* Main();
const ScreenDef* FrmZ1();
const ScreenDef* FrmZ2();
const ScreenDef* FrmZ3();
const ScreenDef* FrmZ4();
const ScreenDef* FrmZ5();
const ScreenDef* FrmZ6();
const ScreenDef* FrmZ7();
const ScreenDef* FrmZ8();
const ScreenDef* FrmZ9();

}  // namespace smk::screens
