#pragma once

#include "apps/common/window_parts.h"

namespace corvane2 {

// The window of the full countdown display program.
extern const ui::WindowDescription description;

// The Visual menu, top to bottom.
inline constexpr vantorel::SchemeChoice schemeChoices[] = {
    {"Normal", core::schemes::normal},
    {"Negative", core::schemes::negative},
    {"Fluro", core::schemes::fluro},
    {"grey", core::schemes::grey},
};
inline constexpr int fluro = 2; // the scheme the window opens in

} // namespace corvane2
