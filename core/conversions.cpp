#include "conversions.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace core {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct LeadingNumber {
    std::string_view text; // sign, digits, fraction and exponent, as typed
    bool negative = false;
    // Rough decimal magnitude, used only to tell overflow from underflow when
    // the number does not fit a double.
    long long magnitude = 0;
};

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

long long saturatingExponent(std::string_view digits, bool negative) {
    constexpr long long cap = 1'000'000'000;
    long long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > cap) {
            value = cap;
            break;
        }
    }
    return negative ? -value : value;
}

// Finds the number at the start of the text; empty text when there is none.
LeadingNumber leadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    std::size_t pos = start;
    LeadingNumber number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t intStart = pos;
    pos = skipDigits(text, pos);
    const std::string_view intDigits = text.substr(intStart, pos - intStart);
    std::string_view fracDigits;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracStart = pos + 1;
        const std::size_t fracEnd = skipDigits(text, fracStart);
        fracDigits = text.substr(fracStart, fracEnd - fracStart);
        if (!intDigits.empty() || !fracDigits.empty())
            pos = fracEnd;
    }
    if (intDigits.empty() && fracDigits.empty())
        return {};

    long long exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        bool expNegative = false;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            expNegative = text[expPos] == '-';
            ++expPos;
        }
        const std::size_t expEnd = skipDigits(text, expPos);
        if (expEnd > expPos) { // "1e" and "1e+" stop before the e
            exponent = saturatingExponent(text.substr(expPos, expEnd - expPos), expNegative);
            pos = expEnd;
        }
    }

    const std::size_t firstNonZero = intDigits.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos) {
        number.magnitude = static_cast<long long>(intDigits.size() - firstNonZero) + exponent;
    } else {
        const std::size_t fracNonZero = fracDigits.find_first_not_of('0');
        number.magnitude = fracNonZero == std::string_view::npos
                               ? std::numeric_limits<long long>::min() / 2
                               : -static_cast<long long>(fracNonZero) + exponent;
    }
    number.text = text.substr(start, pos - start);
    return number;
}

template<typename Int> std::optional<Int> toIntegerInRange(double whole) {
    if (!(whole >= std::numeric_limits<Int>::min() && whole <= std::numeric_limits<Int>::max()))
        return std::nullopt; // NaN fails both comparisons
    return static_cast<Int>(whole);
}

} // namespace

std::optional<double> textToNumber(std::string_view text) {
    const LeadingNumber number = leadingNumber(text);
    if (number.text.empty())
        return 0.0;
    // from_chars takes no leading '+' and, unlike strtod, ignores the locale
    // that Qt installs at start-up.
    std::string_view digits = number.text;
    if (digits.front() == '+' || digits.front() == '-')
        digits.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (number.magnitude > 0)
            return std::nullopt;
        value = 0.0;
    } else if (error != std::errc() || end != digits.data() + digits.size()) {
        return 0.0;
    }
    return number.negative ? -value : value;
}

std::string numberToText(double value) {
    char buffer[64];
    const bool whole = std::nearbyint(value) == value;
    const auto result =
        whole && std::fabs(value) < 1e15
            ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value))
            : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::optional<std::int16_t> textToInt16(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    const LeadingNumber number = leadingNumber(text);
    if (number.text.empty() || number.text.size() != text.size())
        return std::nullopt;
    const std::optional<double> value = textToNumber(text);
    if (!value)
        return std::nullopt;
    return roundToInt16(*value);
}

std::optional<std::int16_t> roundToInt16(double value) {
    return toIntegerInRange<std::int16_t>(std::nearbyint(value));
}

std::optional<std::int32_t> roundToInt32(double value) {
    return toIntegerInRange<std::int32_t>(std::nearbyint(value));
}

std::optional<std::int16_t> increment(std::int16_t value) {
    if (value == std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value + 1);
}

} // namespace core
