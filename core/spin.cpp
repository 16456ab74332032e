#include "spin.h"

#include <cassert>

namespace core {

std::int16_t drawFrom(float r) {
    const double scaled = static_cast<double>(r) * 10.0 + 1.0;
    const std::optional<std::int16_t> value = floorToInt16(scaled);
    assert(value && "r lies in [0, 1), so the draw lies in 1 to 10");
    return *value;
}

std::int16_t draw(RandomSource &source) {
    source.reseed();
    // 1 + floor(10 bits / 2^24): drawFrom(next()) without the conversions to
    // float and double.
    return static_cast<std::int16_t>(1 + ((source.nextBits() * 10u) >> 24));
}

std::string spinCaption(std::int16_t drawnValue) {
    const std::optional<double> roundTrip = textToNumber(numberToText(drawnValue));
    return numberToText(roundTrip.value_or(0.0));
}

} // namespace core
