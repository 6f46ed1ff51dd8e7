// Which control a pointer press belongs to, and the keyboard focus order.
#pragma once

#include <cstdint>
#include <vector>

#include "model.h"

namespace smk {

class Screen;

// The control under a point (twips, client coordinates), or -1 for the screen itself.
// Windowed controls lie above all graphical ones; within a layer the first stored wins;
// hidden labels and images, lines and shapes let the press through.
int hitTest(const Screen& screen, std::int32_t x, std::int32_t y);

// Buttons and text boxes in focus order (rising TabIndex); labels never take the focus.
std::vector<int> focusOrder(const ScreenDef& def);
// The control that takes the focus when the screen is first activated, or -1.
int firstFocus(const ScreenDef& def);
// The next control in focus order from `current`, forwards (Tab) or backwards (Shift+Tab), wrapping.
int nextFocus(const ScreenDef& def, int current, bool forward);

}  // namespace smk
