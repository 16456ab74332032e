#pragma once

#include "apps/batch/batch_window.h"

namespace pallix {

// The batch spin program, shipped as pallix and as pallixb: the batch window
// with the box for the number of spins.
extern const batch::BatchProgram program;

} // namespace pallix
