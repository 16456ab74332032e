#pragma once

#include "window_description.h"

#include <QFont>

#include <thread>

namespace ui {

// Fontconfig reads its configuration and font caches at its first use, a few
// milliseconds of every start. This starts that reading on a thread of its
// own at the lowest priority and off the caller's processor, meant to run
// before the QApplication is made, so that it takes only processor time the
// start leaves idle while the application connects to the display. Nothing
// waits for it: should Qt need fonts first, fontconfig loads them for Qt as
// it always did and drops the second copy. The thread joins when the returned
// object is destroyed; where Qt does not use fontconfig there is no thread.
[[nodiscard]] std::jthread readFontConfigurationAhead();

// Takes the processor numbered cpu out of the calling thread's allowed set,
// unless it is the only one left. Linux only; elsewhere nothing changes.
void keepOffProcessor(int cpu);

// Maps the fonts the windows name to free fonts that Debian ships, so the
// descriptions can keep asking for "Agency FB" and "MS Sans Serif".
void installFontSubstitutes();

// The font for a description's point size. Sizes become pixels at 96 per
// inch, the same scale that turns twips into pixels, so text keeps its size
// against the controls whatever the screen reports.
QFont fontFor(const Font &font);

} // namespace ui
