#pragma once

// The window of pallix and pallixb: one spin, a batch of as many spins as the
// box says, "Clear" and "Exit".

#include "apps/common/digit_window.h"

namespace pallix {

class MainWindow : public vantorel::DigitWindow {
    Q_OBJECT
public:
    explicit MainWindow(core::Draw draw = core::clockSeededDraw());

private slots:
    void spin();
    void spinBatch();
    void clear();

private:
    ui::TextBox *const m_spinCountBox;
};

} // namespace pallix
