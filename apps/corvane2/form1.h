#pragma once

// The window of corvane2 and its handlers: spin, auto-spin, the three-digit
// countdown with its "Countdown Complete" notice, four colour schemes and the
// Output menu.

#include "apps/common/digit_display.h"
#include "core/countdown.h"
#include "core/random_source.h"
#include "ui/form.h"

#include <cstdint>

namespace corvane2 {

class Form1 : public ui::Form {
    Q_OBJECT
public:
    explicit Form1(core::RandomSource source = core::RandomSource());

    // Event handlers, named after the control and the event they serve.
    void Form_Load();
    void cmdSpin_Click();
    void cmdAuto_Click();
    void Timer1_Timer();
    void cmdClear_Click();
    void Command1_Click();
    void cmdstart_Click();
    void Timer3_Timer();
    void txtInterval_Change();
    void mnuNormal_Click();
    void mnuNeg_Click();
    void MnuFluro_Click();
    void mnuGrey_Click();
    void mnuOne_Click();
    void mnuTwo_Click();
    void mnuThree_Click();
    void mnuFour_Click();
    void mnufive_Click();

    // Form-level integers.
    std::int16_t drawnValue = 0;
    std::int16_t cellIndex = 0;
    core::CounterTriple counter; // hundreds, tens, units: cells 0, 1, 2

    // Controls.
    ui::Frame *const Frame2;
    const family::DigitCells Label1;
    ui::Label *const lblStop;
    ui::Button *const cmdSpin;
    ui::Button *const cmdAuto;
    ui::Button *const cmdClear;
    ui::Button *const cmdstart;
    ui::Button *const Command1;
    ui::TextBox *const txtInterval;
    ui::TextBox *const txtloop;
    ui::Timer *const Timer1;
    ui::Timer *const Timer2;
    ui::Timer *const Timer3;
    ui::MenuItem *const mnuNormal;
    ui::MenuItem *const mnuNeg;
    ui::MenuItem *const MnuFluro;
    ui::MenuItem *const mnuGrey;

private:
    void random();
    void autospin();
    void count1();
    void count2();
    void count3();
    void stopcount();
    void showCounters();
    void normal();
    void negative();
    void grey();
    void fluro();

    core::RandomSource m_random;
};

} // namespace corvane2
