#pragma once

// The window of corvane2 and its handlers: spin, auto-spin, the three-digit
// countdown with its "Countdown Complete" notice, four colour schemes and the
// Output menu.

#include "apps/common/countdown_form.h"

namespace corvane2 {

// Spin, Timer1_Timer, the countdown's places, "Exit" and the Output menu come
// from family::CountdownForm.
class Form1 : public family::CountdownForm {
    Q_OBJECT
public:
    explicit Form1(core::RandomSource source = core::RandomSource());

    // Event handlers, named after the control and the event they serve.
    void Form_Load();
    void cmdAuto_Click() override;
    void cmdClear_Click() override;
    void cmdstart_Click() override;
    void txtInterval_Change();
    void mnuNormal_Click() override;
    void mnuNeg_Click() override;
    void MnuFluro_Click();
    void mnuGrey_Click();

    // Controls of this window only.
    ui::Label *const lblStop;
    ui::TextBox *const txtInterval;
    ui::MenuItem *const MnuFluro;
    ui::MenuItem *const mnuGrey;

private:
    void autospin() override;
    void stopcount() override;
    void normal();
    void negative();
    void grey();
    void fluro();
};

} // namespace corvane2
