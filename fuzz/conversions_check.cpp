#include "checks.h"

#include "core/conversions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string_view>

namespace fuzzcheck {
namespace {

// strtod reads more forms than a leading number ("inf", hexadecimal, other
// blanks), so it is given only the blanks, sign, digits, points and
// exponents at the start of the text.
std::string numberPart(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    const std::size_t end = std::min(text.find_first_not_of("0123456789.eE+-", start), text.size());
    return std::string(text.substr(start, end - start));
}

std::string roundingError(double value) {
    if (std::isnan(value))
        return {};
    // Ties to even by hand: the nearer whole number, the even one at .5.
    const double below = std::floor(value), fraction = value - below;
    const double whole =
        fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2) != 0) ? below + 1 : below;
    const std::optional<std::int16_t> int16 = core::roundToInt16(value);
    const std::optional<std::int32_t> int32 = core::roundToInt32(value);
    if ((whole >= -32768 && whole <= 32767) ? int16 != std::int16_t(whole) : int16.has_value())
        return "roundToInt16(" + std::to_string(value) + ")";
    if ((whole >= -2147483648.0 && whole <= 2147483647.0) ? int32 != std::int32_t(whole)
                                                          : int32.has_value())
        return "roundToInt32(" + std::to_string(value) + ")";
    return {};
}

} // namespace

std::string checkConversions(const std::uint8_t *data, std::size_t size) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    // The bytes as Latin-1 characters: a no-break space reads as a blank,
    // and a soft hyphen and the controls (a tab among them) as nothing, as a
    // box keeps them out; no other one reads.
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    std::u16string text;
    std::string ascii;
    for (const unsigned char c : bytes) {
        text += char16_t(c);
        const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
        if (c != 0xAD && !control)
            ascii += c == 0xA0 ? ' ' : char(c);
    }
    const std::string number = numberPart(ascii);
    char *end = nullptr;
    errno = 0;
    double expected = strtod_l(number.c_str(), &end, cLocale);
    if (end == number.c_str())
        expected = 0.0;
    const bool overflow = errno == ERANGE && std::isinf(expected);
    const bool tiny = errno == ERANGE && !overflow; // below the normal range: 0 is fine too
    const std::optional<double> actual = core::leadingNumber(text);
    if (overflow != !actual.has_value())
        return "leadingNumber(\"" + std::string(bytes) + "\"): range";
    if (actual && *actual != expected && !(tiny && *actual == 0))
        return "leadingNumber(\"" + std::string(bytes) + "\") = " + std::to_string(*actual) +
               ", strtod " + std::to_string(expected);
    return roundingError(expected);
}

} // namespace fuzzcheck
