#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzcheck {

// Checks the conversions of one input, read as Latin-1, against strtod in
// the "C" locale and plain arithmetic. Empty when they agree, else the first
// difference.
std::string checkConversions(const std::uint8_t *data, std::size_t size);

} // namespace fuzzcheck
