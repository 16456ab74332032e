#pragma once

#include "apps/countdown/countdown_window.h"

namespace corvane {

// The first countdown program: the countdown window without a notice, its
// countdown at a fixed 500 ms tick, and two colour schemes without check
// marks. It opens in the desktop's control colours, which are Normal's.
extern const countdown::CountdownProgram program;

} // namespace corvane
