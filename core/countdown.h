#pragma once

// The countdown of both countdown programs: an odometer run backwards over
// three places shown in the first three cells. A place can hold 10 (a spin
// can draw it), which counts as ten in its place and simply loses one like
// any other value; only a place at 0 borrows from the next.

#include <cstdint>

namespace core {

struct Countdown {
    std::int16_t hundreds = 0;
    std::int16_t tens = 0;
    std::int16_t units = 0;

    bool atZero() const { return hundreds == 0 && tens == 0 && units == 0; }
};

enum class Borrow { No, Yes };

// Lowers one place by one: 0 becomes 9 and asks the next place for a borrow.
Borrow lowerPlace(std::int16_t &place);

// The hundreds have nothing to borrow from. They are lowered only while the
// number is above zero, but never go below 0 all the same.
void lowerHundreds(std::int16_t &hundreds);

} // namespace core
