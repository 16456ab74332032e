#include "checks.h"

#include "core/box_text.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstdio>

namespace fuzzcheck {
namespace {

// Why cleaned text may not hold c; empty when it may.
std::string forbidden(UChar32 c) {
    if ((U_GET_GC_MASK(c) & (U_GC_M_MASK | U_GC_CC_MASK | U_GC_CF_MASK | U_GC_CS_MASK)) != 0 ||
        u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
        return "a mark, control, format character, surrogate or ignorable";
    const auto syllable = u_getIntPropertyValue(c, UCHAR_HANGUL_SYLLABLE_TYPE);
    if (syllable == U_HST_LEADING_JAMO || syllable == U_HST_VOWEL_JAMO ||
        syllable == U_HST_TRAILING_JAMO)
        return "a conjoining jamo";
    const auto form = u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE);
    if ((u_charType(c) == U_DECIMAL_DIGIT_NUMBER && c > u'9') || c == 0x2212 || form == U_DT_WIDE ||
        form == U_DT_NARROW || form == U_DT_SMALL)
        return "an unfolded digit, minus sign or width form";
    if ((u_isUWhiteSpace(c) || c == 0x2800 || c == 0xFFFC) && c != u' ')
        return "a blank other than a space";
    return {};
}

// The values of the decimal digits in the text, in order: cleaning folds
// each digit and keeps every one.
std::string digitValues(std::u16string_view text) {
    std::string values;
    for (std::size_t i = 0; i < text.size();) {
        UChar32 c;
        U16_NEXT(text.data(), i, text.size(), c);
        if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER)
            values += char('0' + u_charDigitValue(c));
    }
    return values;
}

} // namespace

std::string checkBoxText(const std::uint8_t *data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text += char16_t(data[i] | data[i + 1] << 8);
    const std::u16string cleaned = core::cleanBoxText(text);
    for (std::size_t i = 0; i < cleaned.size();) {
        UChar32 c;
        U16_NEXT(cleaned.data(), i, cleaned.size(), c);
        if (const std::string why = forbidden(c); !why.empty()) {
            char where[16];
            std::snprintf(where, sizeof where, "U+%04X", unsigned(c));
            return "cleaned text keeps " + std::string(where) + ", " + why;
        }
    }
    if (core::cleanBoxText(cleaned) != cleaned)
        return "cleaning twice changes the text";
    if (core::characterCount(cleaned) > core::characterCount(text))
        return "cleaning adds characters";
    if (digitValues(cleaned) != digitValues(text))
        return "a decimal digit lost, added or changed";
    const std::size_t count = core::characterCount(cleaned);
    for (const std::size_t limit : {std::size_t(3), std::size_t(6)}) {
        const std::size_t end = core::characterBoundary(cleaned, limit);
        if ((end < cleaned.size() && U16_IS_TRAIL(cleaned[end])) ||
            core::characterCount(std::u16string_view(cleaned).substr(0, end)) !=
                std::min(limit, count))
            return "the limit of " + std::to_string(limit) + " splits a pair or miscounts";
    }
    return {};
}

} // namespace fuzzcheck
