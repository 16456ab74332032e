#pragma once

// The window of the batch spin programs: one spin, a batch of as many spins
// as the box says, "Clear" and "Exit".

#include "ui/window.h"

#include "core/digits.h"
#include "core/draw.h"

namespace batch {

struct BatchControls {
    ui::Frame *display = nullptr;
    ui::DigitRow *digitRow = nullptr;
    ui::Frame *controlPanel = nullptr;
    ui::Button *spinButton = nullptr;
    ui::Button *autoSpinButton = nullptr;
    ui::Button *clearButton = nullptr;
    ui::Label *spinCountCaption = nullptr;
    ui::TextBox *spinCountBox = nullptr;
    ui::Button *exitButton = nullptr;
};

// What makes a batch program of the window: its description.
struct BatchProgram {
    const ui::WindowDescription<BatchControls> &description;
};

class BatchWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit BatchWindow(const BatchProgram &program, core::Draw draw = core::clockSeededDraw());

    // The controls as built, for tests and benchmarks that drive the window.
    const BatchControls &controls() const { return m_controls; }

private slots:
    void spin();
    void spinBatch();
    void clear();

private:
    void showDigits(const core::Digits &digits);

    const BatchControls m_controls;
    const core::Draw m_draw;
    core::Digits m_digits{};
};

} // namespace batch
