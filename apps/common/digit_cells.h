#pragma once

// What every window does with its row of digit cells.

#include "core/draw.h"
#include "ui/window_description.h"

namespace common {

// Every cell, hidden ones too, gets a freshly drawn value, left to right.
void spinCells(const ui::CellRow &cells, const core::Draw &draw);

// "0" in every cell, left to right.
void zeroCells(const ui::CellRow &cells);

} // namespace common
