#pragma once

// The program's start-up, what every program's main does: its command line,
// a display to open, the application named by its version record, its window
// shown, and the event loop until the program ends.

#include "version_record.h"

#include "ui/window.h"

#include <functional>
#include <memory>

namespace startup {

using MakeWindow = std::function<std::unique_ptr<ui::Window>()>;

// Runs the program with the window makeWindow makes once the application is
// there, and returns its exit status.
int run(int argc, char **argv, const MakeWindow &makeWindow);

// Names the application by the record and readies the fonts: what a window
// needs before it is made.
void prepareApplication(const VersionRecord &record);

} // namespace startup
