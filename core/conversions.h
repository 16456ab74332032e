#pragma once

// The conversions every program goes through: text typed into a box becomes a
// number, numbers become captions, doubles become the 16- and 32-bit integers
// the forms keep. Each one reports a result outside its range as an empty
// optional instead of wrapping, so the caller decides what the user sees.
//
// Rounding is to the nearest integer with ties to even (2.5 -> 2, 3.5 -> 4),
// so that a run of values ending in .5 does not drift upwards.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The leading number of the text: leading blanks skipped, then an optional
// sign, digits, an optional fraction and an optional exponent. Text with no
// leading number gives 0. Empty only when the number lies beyond the range of
// a double; a number too small to represent gives 0.
std::optional<double> textToNumber(std::string_view text);

// Decimal text with no leading blank and, for whole values, no decimal point.
std::string numberToText(double value);

// Whole-text conversion for captions the program wrote itself ("0" to "10"):
// surrounding blanks allowed, anything else in the text is an error.
std::optional<std::int16_t> textToInt16(std::string_view text);

std::optional<std::int16_t> roundToInt16(double value);
std::optional<std::int32_t> roundToInt32(double value);
// Inline: the draw floors every value it makes, and an optional returned
// from another translation unit travels through memory.
inline std::optional<std::int16_t> floorToInt16(double value) {
    if (!(value >= std::numeric_limits<std::int16_t>::min() &&
          value < std::numeric_limits<std::int16_t>::max() + 1.0))
        return std::nullopt; // NaN fails both tests
    // Truncation, one lower for a negative value with a fraction: exact, and
    // far shorter than std::floor on plain x86-64, which has no rounding
    // instruction.
    const int truncated = static_cast<int>(value);
    if (value >= 0)
        return static_cast<std::int16_t>(truncated);
    return static_cast<std::int16_t>(truncated - (value < truncated));
}

// A 16-bit increment that refuses to wrap past 32767.
std::optional<std::int16_t> increment(std::int16_t value);

} // namespace core
