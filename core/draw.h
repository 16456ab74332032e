#pragma once

// The draw behind every digit cell: a value from 1 to 10, never 0.

#include "random_source.h"

#include <cstdint>
#include <functional>

namespace core {

// 1 + floor(10 r) for the source's value r = bits / 2^24: 1 to 10, each
// about equally likely. Worked exactly in whole numbers, as
// 1 + (10 bits) / 2^24, which keeps a draw within 1.5 times a bare clock read
// (make bench); in single precision a few r just below a multiple of 0.1
// would even round up into the next value.
std::int16_t drawFromBits(std::uint32_t bits);

// Re-seeds the source from its clock, then draws from its next value.
std::int16_t drawOnce(RandomSource &source);

// Single draws, one per call. The programs draw from the clock-seeded source;
// a test can hand a window a scripted sequence instead.
using Draw = std::function<std::int16_t()>;
Draw clockSeededDraw();

// The value a cell shows after a spin: a draw above 9 is drawn again exactly
// once, and a second 10 stays. So 1 to 9 each come with probability 11/100
// and 10 with 1/100.
std::int16_t drawCellValue(const Draw &draw);

} // namespace core
