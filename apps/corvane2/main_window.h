#pragma once

// The window of corvane2: spin, auto-spin, the three-digit countdown at the
// speed typed into its box with its "Countdown Complete" notice, four colour
// schemes and the Output menu.

#include "apps/common/countdown_window.h"

namespace corvane2 {

class MainWindow : public vantorel::CountdownWindow {
    Q_OBJECT
public:
    explicit MainWindow(core::Draw draw = core::clockSeededDraw());

private slots:
    void applyCountdownSpeed();

private:
    void hideNotice() override;
    void showNotice() override;

    ui::Label *const m_completeNotice;
    ui::TextBox *const m_countdownSpeedBox;
};

} // namespace corvane2
