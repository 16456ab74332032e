#include "countdown.h"

namespace core {

Borrow lowerPlace(std::int16_t &place) {
    if (place == 0) {
        place = 9;
        return Borrow::Yes;
    }
    --place;
    return Borrow::No;
}

void lowerHundreds(std::int16_t &hundreds) {
    if (hundreds != 0)
        --hundreds;
}

} // namespace core
