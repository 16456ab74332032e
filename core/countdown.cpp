#include "countdown.h"

namespace core {
namespace {

// Lowers one place by one; a place at 0 becomes 9 and asks the next for a
// borrow.
bool lowerWithBorrow(std::int16_t &place) {
    if (place == 0) {
        place = 9;
        return true;
    }
    --place;
    return false;
}

} // namespace

Countdown Countdown::from(const Digits &digits) {
    return {.hundreds = digits[0], .tens = digits[1], .units = digits[2]};
}

Countdown::Tick Countdown::tick() {
    if (hundreds == 0 && tens == 0 && units == 0)
        return Tick::Finished;
    // The hundreds are above 0 whenever both lower places borrow.
    if (lowerWithBorrow(units) && lowerWithBorrow(tens))
        --hundreds;
    return Tick::Lowered;
}

Digits Countdown::shownIn(Digits digits) const {
    digits[0] = hundreds;
    digits[1] = tens;
    digits[2] = units;
    return digits;
}

} // namespace core
