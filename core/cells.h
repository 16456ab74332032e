#pragma once

#include <cstddef>

namespace core {

// Every window has one row of this many digit cells.
inline constexpr std::size_t cellCount = 5;

} // namespace core
