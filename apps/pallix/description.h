#pragma once

#include "ui/window_description.h"

namespace pallix {

// The one window of the batch spin programs; pallix and pallixb both open it.
extern const ui::WindowDescription description;

} // namespace pallix
