// What a screen reader sees: each window with its buttons, fields, and the labels and pictures that
// the window paints itself, each with a name and a role.
#pragma once

namespace smk::qt {

// Registers the accessibility factory for the screen windows; call once.
void installAccessibility();

}  // namespace smk::qt
