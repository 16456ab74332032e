#pragma once

// What typed text means as a number, and the whole numbers the programs make
// of it. A result outside its range is an empty optional rather than a
// wrapped value, so that the window decides what the user is told.
//
// Text is read as a box shows it (box_text.h): what a box keeps out is read
// as nothing, any blank as a space, and a decimal digit of any script as
// the digit it shows ("３００" and "٣٠٠" are 300).
//
// Rounding is to the nearest whole number with ties to even (2.5 -> 2,
// 3.5 -> 4), so that a run of values ending in .5 does not drift upwards.

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace core {

// The longest wait a timer takes, in milliseconds.
inline constexpr std::int32_t maxInterval = std::numeric_limits<std::int32_t>::max();
// The most spins one batch makes.
inline constexpr std::int16_t maxSpins = std::numeric_limits<std::int16_t>::max();

// The number at the start of the text: blanks skipped, then an optional
// sign, digits, an optional fraction and an optional exponent ("12x" is 12,
// "2.5e2 s" is 250). Text that does not start with a number is 0. Empty only
// when the number is beyond the range of a double; one too small to
// represent is 0.
std::optional<double> leadingNumber(std::u16string_view text);

std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);

// The wait a box's text asks for: its leading number rounded to whole
// milliseconds (text that is no number gives 0). Empty when a timer cannot
// take it: below 0 or beyond maxInterval.
std::optional<std::int32_t> intervalFromText(std::u16string_view text);

// The spins a batch makes for a box's text: its leading number rounded to a
// whole number (0 or less makes none). Empty outside the 16-bit range, whose
// top is maxSpins.
std::optional<std::int16_t> spinCountFromText(std::u16string_view text);

} // namespace core
