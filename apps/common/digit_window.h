#pragma once

#include "core/draw.h"
#include "ui/controls.h"
#include "ui/window.h"

#include <array>

namespace vantorel {

// What the windows of all four programs do with their five digit cells
// ("digitCell1" to "digitCell5", left to right), and "Exit" ("exitButton").
class DigitWindow : public ui::Window {
    Q_OBJECT
protected:
    DigitWindow(const ui::WindowDescription &description, core::Draw draw);

    // Every cell, hidden ones too, gets a freshly drawn value, left to right.
    void spinAll();
    // "0" in every cell, left to right.
    void zeroAll();

    const std::array<ui::Label *, 5> &digitCells() const { return m_digitCells; }

private:
    const std::array<ui::Label *, 5> m_digitCells;
    core::Draw m_draw;
};

} // namespace vantorel
