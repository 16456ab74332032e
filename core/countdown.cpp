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

Countdown::Tick Countdown::tick() {
    if (hundreds == 0 && tens == 0 && units == 0)
        return Tick::Finished;
    // The hundreds are above 0 whenever both lower places borrow.
    if (lowerWithBorrow(units) && lowerWithBorrow(tens))
        --hundreds;
    return Tick::Lowered;
}

} // namespace core
