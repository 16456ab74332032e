#pragma once

// What assistive technology reads of the window layer's controls, where Qt's
// own reading falls short of what a screen reader needs.

namespace ui {

// Installs the readings once; every control that needs one calls it.
void installAccessibility();

} // namespace ui
