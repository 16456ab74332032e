#include "box_text.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <array>

namespace core {
namespace {

// A character that is another one in a different width: the full-width
// ASCII of East Asian text, the half-width forms, the small forms. Their
// compatibility mapping is the character itself; other compatibility
// mappings change what a number says (superscripts, fractions, circled
// digits), so they are left alone.
bool isWidthForm(UChar32 c) {
    const auto type = u_getIntPropertyValue(c, UCHAR_DECOMPOSITION_TYPE);
    return type == U_DT_WIDE || type == U_DT_NARROW || type == U_DT_SMALL;
}

bool isKeptOut(UChar32 c) {
    constexpr std::uint32_t categories =
        U_GC_MN_MASK | U_GC_MC_MASK | U_GC_ME_MASK | U_GC_CC_MASK | U_GC_CF_MASK | U_GC_CS_MASK;
    if ((U_GET_GC_MASK(c) & categories) != 0 ||
        u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
        return true;
    // A run of jamo is one syllable however long it is; the precomposed
    // syllables and the compatibility jamo draw by themselves and stay.
    const auto syllable = u_getIntPropertyValue(c, UCHAR_HANGUL_SYLLABLE_TYPE);
    return syllable == U_HST_LEADING_JAMO || syllable == U_HST_VOWEL_JAMO ||
           syllable == U_HST_TRAILING_JAMO;
}

bool showsAsBlank(UChar32 c) {
    // A line edit shows the object replacement character as a space.
    return u_isUWhiteSpace(c) || c == 0x2800 /* braille blank */ || c == 0xFFFC;
}

void appendFolded(std::u16string &out, UChar32 c) {
    if (isKeptOut(c)) // before the blanks: a tab is a control
        return;
    if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER) {
        out += char16_t(u'0' + u_charDigitValue(c));
    } else if (c == 0x2212) { // minus sign
        out += u'-';
    } else if (showsAsBlank(c)) {
        out += u' ';
    } else {
        std::array<char16_t, 2> units{};
        std::int32_t length = 0;
        U16_APPEND_UNSAFE(units.data(), length, c);
        out.append(units.data(), std::size_t(length));
    }
}

// The compatibility mappings, loaded only when a width form comes: loaded
// with the first text, a program's start took 0.7 MiB more than without
// (make bench, peak memory beside a minimal window: 1.17x, goal 1.15x).
const UNormalizer2 *compatibilityMappings() {
    static const UNormalizer2 *const mappings = [] {
        UErrorCode error = U_ZERO_ERROR;
        return unorm2_getNFKCInstance(&error);
    }();
    return mappings;
}

} // namespace

std::u16string cleanBoxText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        UChar32 c;
        U16_NEXT(text.data(), i, text.size(), c); // an unpaired surrogate comes as itself
        const UNormalizer2 *const mappings = isWidthForm(c) ? compatibilityMappings() : nullptr;
        std::array<UChar, 8> mapped{};
        UErrorCode error = U_ZERO_ERROR;
        const std::int32_t length =
            mappings ? unorm2_getDecomposition(mappings, c, mapped.data(),
                                               std::int32_t(mapped.size()), &error)
                     : 0;
        if (U_FAILURE(error) || length <= 0) {
            appendFolded(out, c);
            continue;
        }
        for (std::int32_t j = 0; j < length;) {
            UChar32 part;
            U16_NEXT(mapped.data(), j, length, part);
            appendFolded(out, part);
        }
    }
    return out;
}

std::size_t characterCount(std::u16string_view cleaned) {
    return std::size_t(u_countChar32(cleaned.data(), std::int32_t(cleaned.size())));
}

std::size_t characterBoundary(std::u16string_view cleaned, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < count && end < cleaned.size(); ++i)
        U16_FWD_1(cleaned.data(), end, cleaned.size());
    return end;
}

} // namespace core
