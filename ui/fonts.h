#pragma once

#include "window_description.h"

#include <QFont>

namespace ui {

// Maps the families the window descriptions name to free faces that Debian
// ships, so the descriptions can keep asking for "Agency FB" and
// "MS Sans Serif".
void installFontSubstitutes();

// The font for a description's point size. Sizes become pixels at 96 per
// inch, the same scale that turns twips into pixels, so text keeps its size
// against the controls whatever the screen reports.
QFont fontFor(const Font &font);

} // namespace ui
