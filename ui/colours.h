#pragma once

#include "window_description.h"

#include "core/colour.h"
#include "core/schemes.h"

#include <QColor>

namespace ui {

// A direct colour as it is; a system colour from the application's palette
// at the moment of the call, so it follows the desktop's settings.
QColor resolveColour(const core::Colour &colour);

// Paints a colour scheme on a frame and the cells in it, resolved as a whole
// from the application's palette: in the desktop's colours where they keep
// the digits readable, otherwise in the usual desktop colours.
void paintScheme(const core::Scheme &scheme, Frame *frame, const DigitRow &cells);

} // namespace ui
