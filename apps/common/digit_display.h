#pragma once

// Pieces of the digit display that the programs' forms share: the five cells
// as a control array, their visibility patterns, their colour schemes and the
// auto-spin interval read from a box.

#include "core/output.h"
#include "core/schemes.h"
#include "core/spin.h"
#include "ui/controls.h"
#include "ui/timer.h"

#include <array>
#include <cstdint>

namespace ui {
class Form;
}

namespace family {

using DigitCells = std::array<ui::Label *, 5>;

// Writes Visible of cells 0 to 4 in that order.
void showCells(const DigitCells &cells, const core::CellVisibility &pattern);

// Writes the frame's BackColor, then each cell's BackColor and ForeColor in
// index order. Hidden cells take the scheme too.
void paintDisplay(ui::Frame *frame, const DigitCells &cells, const core::Scheme &scheme);

// The caption a cell shows for a form-level integer.
QString captionOf(std::int16_t value);

// The caption a spin writes for a drawn value. Its conversions depend on the
// value alone, so each of the captions of 0 to 10 is made once and shared: a
// batch of 30,000 spins writes 150,000 of them within one click.
QString spinCaptionOf(std::int16_t drawnValue);

// One spin of the five cells: random() sets drawnValue for each draw, and
// each cell shows the value it was left with.
template<typename Random>
void spinDigits(const DigitCells &cells, std::int16_t &cellIndex, const std::int16_t &drawnValue,
                Random &&random) {
    core::spinCells(cellIndex, drawnValue, random, [&](std::int16_t index) {
        cells[index]->setCaption(spinCaptionOf(drawnValue));
    });
}

// A tick's first step: the next wait is taken from the box's text. A value
// the timer cannot take is not applied: auto-spin stops, the form says which
// box and what range, and false tells the tick not to spin.
bool takeSpinInterval(ui::Form &form, ui::Timer &timer, const ui::TextBox &box,
                      const QString &boxName);

} // namespace family
