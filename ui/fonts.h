#pragma once

#include "window_description.h"

#include <QFont>

#include <thread>

namespace ui {

// Fontconfig reads its configuration and caches at its first use. This starts
// the reading on a thread of its own, to run while the application connects
// to the display: without it a start misses its goal (make bench). Join it
// before the first font is made, so that fontconfig is never first used twice
// at once. Where Qt does not use fontconfig there is no thread.
[[nodiscard]] std::jthread readFontConfigurationAhead();

// Maps the families the window descriptions name to free faces that Debian
// ships, so the descriptions can keep asking for "Agency FB" and
// "MS Sans Serif".
void installFontSubstitutes();

// The font for a description's point size, in the first installed stand-in
// of the family it names. Points become pixels at the scale that turns twips
// into pixels (pixelsPerInch).
QFont fontFor(const Font &font);

} // namespace ui
