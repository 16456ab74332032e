#pragma once

// The conversions every program goes through: text typed into a box becomes a
// number, numbers become captions, doubles become the 16- and 32-bit integers
// the forms keep. Each one reports a result outside its range as an empty
// optional instead of wrapping, so the caller decides what the user sees.
//
// Rounding is to the nearest integer with ties to even (2.5 -> 2, 3.5 -> 4),
// the rule the original runtime used for its integer conversions.

#include <cstdint>
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
std::optional<std::int16_t> floorToInt16(double value);

// A 16-bit increment that refuses to wrap past 32767.
std::optional<std::int16_t> increment(std::int16_t value);

} // namespace core
