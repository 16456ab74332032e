#pragma once

// The window of corvane and its handlers: spin, auto-spin, a countdown at a
// fixed tick that ends without a notice, two colour schemes with no check
// marks, and the Output menu.

#include "apps/common/countdown_form.h"

namespace corvane {

// Spin, Timer1_Timer, the countdown's places, "Exit", the Output menu and the
// wiring of every event come from family::CountdownForm. There is no load
// handler: the window opens in the default control colours, which are the
// Normal scheme's.
class Form1 : public family::CountdownForm {
    Q_OBJECT
public:
    explicit Form1(core::RandomSource source = core::RandomSource());

    // Event handlers, named after the control and the event they serve.
    void cmdAuto_Click() override;
    void cmdClear_Click() override;
    void cmdstart_Click() override;
    void mnuNormal_Click() override;
    void mnuNeg_Click() override;

private:
    void stopcount() override;
};

} // namespace corvane
