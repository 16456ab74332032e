#pragma once

// Checks the program's conversions of one input against independent
// references: strtod in the "C" locale for text to number, plain arithmetic
// for rounding. Returns an empty string when everything agrees, otherwise a
// description of the first difference.

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzcheck {

std::string checkConversions(const std::uint8_t *data, std::size_t size);

} // namespace fuzzcheck
