#pragma once

// What the row of digit cells shows, held as numbers: a window writes these
// into its cells and never reads a caption back.

#include "draw.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace core {

// Every window has one row of this many digit cells.
inline constexpr std::size_t cellCount = 5;

// The cells' values, left to right: a drawn value from 1 to 10, a place of
// the countdown, or 0. A new row shows 0 everywhere.
using Digits = std::array<std::int16_t, cellCount>;

// A fresh value in every cell, drawn left to right.
Digits spin(const Draw &draw);

} // namespace core
