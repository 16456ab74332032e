#pragma once

// The draw and the five-cell spin that all four programs share.

#include "conversions.h"
#include "random_source.h"

#include <cstdint>
#include <string>

namespace core {

inline constexpr std::int16_t cellCount = 5;

// The draw as the programs define it: 1 + floor(10 r) for r in [0, 1), 1 to
// 10, never 0. The product is formed in double precision; in single precision
// a few r just below a multiple of 0.1 would round up into the next value.
std::int16_t drawFrom(float r);

// One draw: re-seed from the clock, then drawFrom() of the source's next
// value, worked out in whole numbers from its 24 bits (the same value for
// every one of them, and shorter after the clock read).
std::int16_t draw(RandomSource &source);

// A draw above 9 is drawn again exactly once, and a second 10 stays.
inline bool needsRedraw(std::int16_t drawnValue) {
    return drawnValue > 9;
}

// The caption a spin writes: number to text, back to a number, and to text
// again, as the programs have always done; for 1 to 10 the plain digits.
std::string spinCaption(std::int16_t drawnValue);

// One spin: for cellIndex 0 to 4, call random (which sets drawnValue), draw
// once more if needsRedraw, then writeCell(cellIndex). cellIndex ends at 5.
template<typename Random, typename WriteCell>
void spinCells(std::int16_t &cellIndex, const std::int16_t &drawnValue, Random &&random,
               WriteCell &&writeCell) {
    for (cellIndex = 0; cellIndex != cellCount; ++cellIndex) {
        random();
        if (needsRedraw(drawnValue))
            random();
        writeCell(cellIndex);
    }
}

// "Zero" and "Clear": cellIndex runs 0 to 4 over clearCell and ends at 5.
template<typename ClearCell> void clearCells(std::int16_t &cellIndex, ClearCell &&clearCell) {
    for (cellIndex = 0; cellIndex != cellCount; ++cellIndex)
        clearCell(cellIndex);
}

} // namespace core
