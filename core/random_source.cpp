#include "random_source.h"

#include <chrono>
#include <utility>

namespace core {
namespace {

constexpr std::uint64_t golden = 0x9E37'79B9'7F4A'7C15ULL;
// A multiplier of 1 mod 4 (Knuth's MMIX): with an odd increment the step
// x -> x * lcgMultiplier + c runs through all 2^64 states.
constexpr std::uint64_t lcgMultiplier = 6364136223846793005ULL;

// The finaliser of SplitMix64: a bijection that spreads every input bit.
std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBULL;
    return z ^ (z >> 31);
}

} // namespace

std::uint64_t RandomSource::timeOfDay() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

RandomSource::RandomSource(Clock clock, std::uint64_t state)
    : m_clock(std::move(clock)), m_state(state) {}

void RandomSource::reseed() {
    // With the golden step of nextBits(), a frozen clock makes reseed-and-next an
    // LCG with an odd increment: full period, so no clock value restarts the
    // sequence.
    m_state = m_state * lcgMultiplier + m_clock() * (golden << 1);
}

std::uint32_t RandomSource::nextBits() {
    m_state += golden;
    return static_cast<std::uint32_t>(mix(m_state) >> 40); // the top 24 bits
}

} // namespace core
