#include "conversions_check.h"

#include "core/conversions.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string_view>

namespace fuzzcheck {
namespace {

// The input's bytes as UTF-8, each invalid sequence read as U+FFFD.
std::u16string fromUtf8(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0'); // never more UTF-16 units than bytes
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(text.data(), int32_t(text.size()), &length, bytes.data(),
                         int32_t(bytes.size()), 0xFFFD, nullptr, &status);
    text.resize(U_SUCCESS(status) ? std::size_t(length) : 0);
    return text;
}

// The text as it reads, through other ICU calls than the reader's: format
// characters dropped, tab and space separators as ' ', decimal digits by
// their numeric value; any other character that is not ASCII as '?'.
std::string asRead(std::u16string_view text) {
    std::string read;
    for (std::size_t i = 0; i < text.size();) {
        UChar32 c;
        U16_NEXT(text.data(), i, text.size(), c);
        const std::uint32_t category = U_GET_GC_MASK(c);
        if (category & U_GC_CF_MASK)
            continue;
        if (c == '\t' || (category & U_GC_ZS_MASK))
            read += ' ';
        else if (category & U_GC_ND_MASK)
            read += char('0' + int(u_getNumericValue(c)));
        else
            read += c < 0x80 ? char(c) : '?';
    }
    return read;
}

// strtod reads more forms than a leading number ("inf", hexadecimal, other
// blanks), so it is given only the blanks, sign, digits, points and
// exponents at the start of the text.
std::string numberPart(std::string_view text) {
    const std::size_t start = std::min(text.find_first_not_of(" \t"), text.size());
    const std::size_t end = std::min(text.find_first_not_of("0123456789.eE+-", start), text.size());
    return std::string(text.substr(start, end - start));
}

std::string roundingError(double value, std::u16string_view text) {
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
    if (core::spinCountFromText(text) != int16)
        return "spinCountFromText";
    if (core::intervalFromText(text) != (int32 && *int32 >= 0 ? int32 : std::nullopt))
        return "intervalFromText";
    return {};
}

} // namespace

std::string checkConversions(const std::uint8_t *data, std::size_t size) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::u16string text = fromUtf8(bytes);
    const std::string number = numberPart(asRead(text));
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
    return roundingError(expected, text);
}

} // namespace fuzzcheck
