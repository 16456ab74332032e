#pragma once

// The checks the fuzzers and the corpus replay share: each gives an empty
// string when every rule holds for one input, else the first that does not.

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzcheck {

// The conversions of one input, read as Latin-1, against strtod in the "C"
// locale and plain arithmetic.
std::string checkConversions(const std::uint8_t *data, std::size_t size);

// A box's cleaning of one input, read as UTF-16 (pairs of bytes, so that
// unpaired surrogates come too), against the rules of core/box_text.h.
std::string checkBoxText(const std::uint8_t *data, std::size_t size);

} // namespace fuzzcheck
