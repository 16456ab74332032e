#pragma once

#include "apps/countdown/countdown_window.h"

namespace corvane2 {

// The full countdown display program: the countdown window with its
// "Countdown Complete" notice, a box for the countdown's speed, and four
// colour schemes, opening in Fluro.
extern const countdown::CountdownProgram program;

} // namespace corvane2
