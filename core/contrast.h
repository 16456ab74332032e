#pragma once

// How well one colour stands out from another: the contrast ratio of the
// accessibility guidelines of the web, from 1 (the same) to 21 (black on
// white), through relative luminance on the sRGB curve.

#include "colour.h"

namespace core {

// Text as large as the digit cells' reads at 3:1 or more.
inline constexpr double readableContrast = 3.0;

double relativeLuminance(Rgb colour);
double contrastRatio(Rgb first, Rgb second);

} // namespace core
