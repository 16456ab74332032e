#include "checks.h"

#include "core/box_text.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>

namespace fuzzcheck {
namespace {

// What cleaned text may not hold: marks, controls, format characters,
// surrogates, ignorables, conjoining jamo, unfolded digits, minus signs and
// width forms, and blanks other than a space.
bool forbidden(char32_t c) {
    const auto syllable = u_getIntPropertyValue(c, UCHAR_HANGUL_SYLLABLE_TYPE);
    const auto form = u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE);
    return (U_GET_GC_MASK(c) & (U_GC_M_MASK | U_GC_CC_MASK | U_GC_CF_MASK | U_GC_CS_MASK)) != 0 ||
           u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT) ||
           syllable == U_HST_LEADING_JAMO || syllable == U_HST_VOWEL_JAMO ||
           syllable == U_HST_TRAILING_JAMO ||
           (u_charType(c) == U_DECIMAL_DIGIT_NUMBER && c > U'9') || c == 0x2212 ||
           form == U_DT_WIDE || form == U_DT_NARROW || form == U_DT_SMALL ||
           ((u_isUWhiteSpace(c) || c == 0x2800 || c == 0xFFFC) && c != U' ');
}

// The code points of UTF-16 text, an unpaired surrogate as itself.
std::u32string codePoints(std::u16string_view text) {
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        UChar32 c;
        U16_NEXT(text.data(), i, text.size(), c);
        decoded += char32_t(c);
    }
    return decoded;
}

// The values of the decimal digits, in order: cleaning folds every one and
// keeps every one.
std::string digitValues(const std::u32string &text) {
    std::string values;
    for (const char32_t c : text)
        if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER)
            values += char('0' + u_charDigitValue(c));
    return values;
}

} // namespace

std::string checkBoxText(const std::uint8_t *data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += char16_t(data[i] | data[i + 1] << 8);
    const std::u16string cleaned = core::cleanBoxText(text);
    const std::u32string kept = codePoints(cleaned), given = codePoints(text);
    if (const auto c = std::ranges::find_if(kept, forbidden); c != kept.end())
        return "cleaned text keeps code point " + std::to_string(*c);
    if (core::cleanBoxText(cleaned) != cleaned)
        return "cleaning twice changes the text";
    if (kept.size() > given.size() || digitValues(kept) != digitValues(given))
        return "cleaning adds characters, or loses or changes a digit";
    const std::size_t six = core::characterBoundary(cleaned, 6);
    if (core::characterCount(cleaned) != kept.size() ||
        codePoints(std::u16string_view(cleaned).substr(0, six)) != kept.substr(0, 6))
        return "characters miscounted, or the first six not whole";
    return {};
}

} // namespace fuzzcheck
