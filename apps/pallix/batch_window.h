#pragma once

// The window of pallix and pallixb: one spin, a batch of as many spins as the
// box says, "Clear" and "Exit".

#include "description.h"

#include "ui/window.h"

#include "core/draw.h"

namespace pallix {

class BatchWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit BatchWindow(core::Draw draw = core::clockSeededDraw());

    // The controls as built, for tests and benchmarks that drive the window.
    const BatchControls &controls() const { return m_controls; }

private slots:
    void spin();
    void spinBatch();
    void clear();

private:
    const BatchControls m_controls;
    const core::Draw m_draw;
};

} // namespace pallix
