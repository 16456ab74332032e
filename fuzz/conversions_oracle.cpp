#include "conversions_oracle.h"

#include "core/conversions.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <sstream>
#include <string_view>

namespace fuzzcheck {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// What strtod is allowed to see: blanks skipped, then only the characters a
// decimal number can hold. That keeps it away from hex, "inf", "nan", the
// locale's decimal point and the other white space it would accept.
std::string numberCharacters(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    std::string kept;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if ((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-')
            kept += c;
        else
            break;
    }
    return kept;
}

struct Reference {
    double value = 0;
    bool overflow = false;
    bool underflow = false; // below the normal range: 0 is acceptable too
    bool wholeText = false; // the number is all there is besides blanks
};

Reference reference(std::string_view text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string kept = numberCharacters(text);
    Reference ref;
    char *end = nullptr;
    errno = 0;
    ref.value = strtod_l(kept.c_str(), &end, cLocale);
    const std::size_t used = static_cast<std::size_t>(end - kept.c_str());
    if (used == 0)
        ref.value = 0;
    if (errno == ERANGE) {
        ref.overflow = std::isinf(ref.value);
        ref.underflow = !ref.overflow;
    }
    // textToInt16's rule: blanks, the number, blanks, nothing else.
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    std::size_t stop = start + used;
    if (used > 0) {
        while (stop < text.size() && isBlank(text[stop]))
            ++stop;
        ref.wholeText = stop == text.size();
    }
    return ref;
}

// Nearest integer, ties to the even neighbour, without the rounding mode.
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

template<typename Int> bool fits(double whole) {
    return whole >= static_cast<double>(std::numeric_limits<Int>::min()) &&
           whole <= static_cast<double>(std::numeric_limits<Int>::max());
}

template<typename Int>
std::string compareInteger(const char *name, double input, const std::optional<Int> &actual,
                           double expectedWhole) {
    std::ostringstream out;
    out.precision(17);
    if (!fits<Int>(expectedWhole)) {
        if (actual)
            out << name << '(' << input << ") gave " << *actual << ", expected out of range";
    } else if (!actual) {
        out << name << '(' << input << ") was out of range, expected " << expectedWhole;
    } else if (static_cast<double>(*actual) != expectedWhole) {
        out << name << '(' << input << ") gave " << *actual << ", expected " << expectedWhole;
    }
    return out.str();
}

std::string checkIntegers(double value) {
    if (std::isnan(value))
        return {};
    std::string error =
        compareInteger("roundToInt16", value, core::roundToInt16(value), roundHalfEven(value));
    if (error.empty())
        error =
            compareInteger("roundToInt32", value, core::roundToInt32(value), roundHalfEven(value));
    if (error.empty())
        error = compareInteger("floorToInt16", value, core::floorToInt16(value), std::floor(value));
    return error;
}

} // namespace

std::string checkConversions(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const Reference ref = reference(text);
    const std::optional<double> actual = core::textToNumber(text);

    std::ostringstream out;
    out.precision(17);
    if (ref.overflow) {
        if (actual)
            out << "textToNumber gave " << *actual << " for a number beyond the double range";
    } else if (!actual) {
        out << "textToNumber reported out of range, strtod gave " << ref.value;
    } else if (*actual != ref.value && !(ref.underflow && *actual == 0)) {
        out << "textToNumber gave " << *actual << ", strtod gave " << ref.value;
    }
    if (!out.str().empty())
        return out.str();

    if (std::string error = checkIntegers(ref.value); !error.empty())
        return error;
    // Values near the integer boundaries, as the bytes spell them.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::string error = checkIntegers(raw); !error.empty())
            return error;
    }

    const std::optional<std::int16_t> whole = core::textToInt16(text);
    if (!ref.wholeText || ref.overflow) {
        if (whole)
            out << "textToInt16 took " << *whole << " from text that is not only a number";
    } else if (std::string error =
                   compareInteger("textToInt16", ref.value, whole, roundHalfEven(ref.value));
               !error.empty()) {
        out << error;
    }
    if (!out.str().empty())
        return out.str();

    if (size >= 2) {
        std::int16_t start;
        std::memcpy(&start, data, sizeof start);
        const std::optional<std::int16_t> next = core::increment(start);
        if (start == std::numeric_limits<std::int16_t>::max() ? next.has_value()
                                                              : next != start + 1)
            out << "increment(" << start << ") went wrong";
    }

    // Captions: whole numbers below 1e15 come back exactly.
    if (std::isfinite(ref.value) && std::fabs(ref.value) < 1e15 &&
        std::nearbyint(ref.value) == ref.value) {
        const std::string caption = core::numberToText(ref.value);
        const std::optional<double> back = core::textToNumber(caption);
        if (!back || *back != ref.value || caption.find('.') != std::string::npos ||
            caption.front() == ' ')
            out << "numberToText(" << ref.value << ") gave \"" << caption << '"';
    } else if (std::isfinite(ref.value)) {
        (void)core::numberToText(ref.value);
    }
    return out.str();
}

} // namespace fuzzcheck
