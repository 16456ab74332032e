#pragma once

// Which digit cells the Output menu leaves shown for each count. Odd counts
// are centred on the middle cell; even counts sit one place left of centre.

#include "cells.h"

#include <array>

namespace core {

using CellVisibility = std::array<bool, cellCount>;

namespace output {
inline constexpr CellVisibility one{false, false, true, false, false};
inline constexpr CellVisibility two{false, true, true, false, false};
inline constexpr CellVisibility three{false, true, true, true, false};
inline constexpr CellVisibility four{true, true, true, true, false};
inline constexpr CellVisibility five{true, true, true, true, true};
} // namespace output

} // namespace core
