#pragma once

#include "ui/window_description.h"

namespace corvane {

// The window of the first countdown program.
const ui::Window &window();

} // namespace corvane
