#include "conversions.h"

#include "box_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace core {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

template<typename Int> std::optional<Int> roundTo(double value) {
    const double whole = std::nearbyint(value); // ties to even, the default rounding mode
    if (!(whole >= std::numeric_limits<Int>::min() && whole <= std::numeric_limits<Int>::max()))
        return std::nullopt; // NaN fails both comparisons
    return static_cast<Int>(whole);
}

// Where the first significant digit of the mantissa stands, counted from the
// decimal point (1 for "5", -2 for "0.005"), plus the exponent: above 0 the
// number is large, otherwise small.
long long magnitude(std::string_view mantissa, long long exponent) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    const auto place = static_cast<long long>(point) - static_cast<long long>(first);
    return (first < point ? place : place + 1) + exponent;
}

// Hand-written around std::from_chars, which alone would also read "inf",
// "nan" and hexadecimal, and refuse a leading '+'.
std::optional<double> asciiLeadingNumber(std::string_view text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return 0.0;
    const bool negative = text[start] == '-';
    if (text[start] == '+' || text[start] == '-')
        ++start;
    std::size_t end = skipDigits(text, start);
    if (end < text.size() && text[end] == '.')
        end = skipDigits(text, end + 1);
    const std::string_view mantissa = text.substr(start, end - start);
    if (mantissa.find_first_not_of('.') == std::string_view::npos)
        return 0.0; // no digit: "", "-", "."
    long long exponent = 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        const bool hasSign =
            end + 1 < text.size() && (text[end + 1] == '+' || text[end + 1] == '-');
        const std::size_t digits = end + 1 + (hasSign ? 1 : 0);
        const std::size_t exponentEnd = skipDigits(text, digits);
        if (exponentEnd > digits) { // "1e" and "1e+" end before the e
            // Far beyond any double either way, and small enough that the
            // magnitude's sum cannot overflow.
            constexpr long long farBeyond = 1'000'000'000;
            if (std::from_chars(text.data() + digits, text.data() + exponentEnd, exponent).ec !=
                    std::errc() ||
                exponent > farBeyond)
                exponent = farBeyond;
            if (text[end + 1] == '-')
                exponent = -exponent;
            end = exponentEnd;
        }
    }
    double value = 0.0; // from_chars leaves it so when the number is out of range
    if (std::from_chars(text.data() + start, text.data() + end, value).ec ==
            std::errc::result_out_of_range &&
        magnitude(mantissa, exponent) > 0)
        return std::nullopt;
    return negative ? -value : value;
}

// Cleaned text as the ASCII a number is read from: any other character ends
// a number.
std::string asAscii(std::u16string_view cleaned) {
    std::string ascii(cleaned.size(), '?');
    std::ranges::transform(cleaned, ascii.begin(),
                           [](char16_t c) { return c < 0x80 ? char(c) : '?'; });
    return ascii;
}

} // namespace

std::optional<double> leadingNumber(std::u16string_view text) {
    // Read as a box shows it: text typed into a box is cleaned already, and
    // cleaning it again changes nothing.
    return asciiLeadingNumber(asAscii(cleanBoxText(text)));
}

std::optional<std::int16_t> roundToInt16(double value) {
    return roundTo<std::int16_t>(value);
}

std::optional<std::int32_t> roundToInt32(double value) {
    return roundTo<std::int32_t>(value);
}

std::optional<std::int32_t> intervalFromText(std::u16string_view text) {
    const std::optional<double> number = leadingNumber(text);
    const std::optional<std::int32_t> interval = number ? roundToInt32(*number) : std::nullopt;
    if (!interval || *interval < 0)
        return std::nullopt;
    return interval;
}

std::optional<std::int16_t> spinCountFromText(std::u16string_view text) {
    const std::optional<double> number = leadingNumber(text);
    return number ? roundToInt16(*number) : std::nullopt;
}

} // namespace core
