#pragma once

#include "apps/common/window_parts.h"

namespace corvane {

// The window of the first countdown program.
extern const ui::WindowDescription description;

// The Visual menu, top to bottom; neither item is ever checked.
inline constexpr vantorel::SchemeChoice schemeChoices[] = {
    {"Normal", core::schemes::normal},
    {"Negative", core::schemes::greenNegative},
};

} // namespace corvane
