#pragma once

#include "ui/window_description.h"

namespace corvane2 {

// The window of the full countdown display program.
const ui::Window &window();

} // namespace corvane2
