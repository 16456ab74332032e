#pragma once

// The countdown of both countdown programs: an odometer run backwards over
// three places, loaded from and shown in the first three digit cells. A place
// can hold 10 (a spin can draw it), which counts as ten in its place and
// simply loses one like any other value; only a place at 0 borrows from the
// next.

#include "digits.h"

#include <cstdint>

namespace core {

struct Countdown {
    enum class Tick { Lowered, Finished };

    std::int16_t hundreds = 0;
    std::int16_t tens = 0;
    std::int16_t units = 0;

    // The number the first three cells show, hundreds to units.
    static Countdown from(const Digits &digits);

    // One tick: lowers 100 hundreds + 10 tens + units by one, 0 becoming 9
    // and borrowing from the next place. A tick that finds 0 0 0 lowers
    // nothing and finishes, so a count from N shows 0 0 0 after N ticks and
    // finishes at tick N + 1.
    Tick tick();

    // The digits with the places in the first three cells; the other cells
    // keep what they show.
    Digits shownIn(Digits digits) const;
};

} // namespace core
