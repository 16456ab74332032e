#pragma once

#include <cstdint>
#include <functional>

namespace core {

// The programs' random source. Every draw re-seeds it from the time of day
// first, often many times within one click while the clock has not moved, so
// a re-seed mixes the clock into the running state instead of replacing it:
// an unchanged clock value never restarts the sequence.
class RandomSource {
public:
    using Clock = std::function<std::uint64_t()>;

    // Nanoseconds of the system clock: the time of day the draws re-seed from.
    static std::uint64_t timeOfDay();

    explicit RandomSource(Clock clock = timeOfDay, std::uint64_t state = 0x5EED'0FDA'7A5E'ED01ULL);

    void reseed();
    // The next uniform value r in [0, 1), in steps of 2^-24, as its 24 bits:
    // r = bits / 2^24, which a float holds exactly.
    std::uint32_t nextBits();

private:
    Clock m_clock;
    std::uint64_t m_state;
};

} // namespace core
