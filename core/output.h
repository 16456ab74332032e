#pragma once

// Which digit cells are shown: the patterns of the Output menu, and what
// "Count down" does to the pattern of the moment.

#include "digits.h"

#include <algorithm>
#include <array>
#include <functional>

namespace core {

using CellVisibility = std::array<bool, cellCount>;

// Odd counts are centred on the middle cell; even counts sit one place left
// of centre.
namespace output {
inline constexpr CellVisibility one{false, false, true, false, false};
inline constexpr CellVisibility two{false, true, true, false, false};
inline constexpr CellVisibility three{false, true, true, true, false};
inline constexpr CellVisibility four{true, true, true, true, false};
inline constexpr CellVisibility five{true, true, true, true, true};
} // namespace output

// The countdown's places are the first three cells. Counting hides the two
// beyond them and leaves the others as they are, so a place the Output menu
// hid stays hidden and still counts.
inline constexpr CellVisibility countdownPlaces{true, true, true, false, false};

constexpr CellVisibility whileCounting(CellVisibility shown) {
    std::ranges::transform(shown, countdownPlaces, shown.begin(), std::logical_and{});
    return shown;
}

} // namespace core
