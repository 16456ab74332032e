#pragma once

// What typed text means as a number, and the whole numbers the programs make
// of it. A result outside its range is an empty optional rather than a
// wrapped value, so that the window decides what the user is told.
//
// Rounding is to the nearest whole number with ties to even (2.5 -> 2,
// 3.5 -> 4), so that a run of values ending in .5 does not drift upwards.

#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// The number at the start of the text: blanks and tabs skipped, then an
// optional sign, digits, an optional fraction and an optional exponent
// ("12x" is 12, "2.5e2 s" is 250). Text that does not start with a number is
// 0. Empty only when the number is beyond the range of a double; one too
// small to represent is 0.
std::optional<double> leadingNumber(std::string_view text);

std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);

} // namespace core
