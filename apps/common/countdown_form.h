#pragma once

// The form both countdown programs build on: the controls their windows have
// in common, the form-level integers, the draw and the spin, the places of the
// countdown below the units, "Exit" and the Output menu. Each program's Form1
// adds what is its own: a notice or none, how a count ends, its schemes.

#include "apps/common/digit_display.h"
#include "core/countdown.h"
#include "core/random_source.h"
#include "ui/form.h"

#include <cstdint>

namespace family {

class CountdownForm : public ui::Form {
    Q_OBJECT
public:
    // Event handlers, named after the control and the event they serve.
    // Every event the two windows have in common is wired here; the
    // handlers that differ are each program's own.
    void cmdSpin_Click();
    virtual void cmdAuto_Click() = 0;
    void Timer1_Timer();
    virtual void cmdClear_Click() = 0;
    void Command1_Click();
    virtual void cmdstart_Click() = 0;
    void Timer3_Timer();
    virtual void mnuNormal_Click() = 0;
    virtual void mnuNeg_Click() = 0;
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
    const DigitCells Label1;
    ui::Button *const cmdSpin;
    ui::Button *const cmdAuto;
    ui::Button *const cmdClear;
    ui::Button *const cmdstart;
    ui::Button *const Command1;
    ui::TextBox *const txtloop;
    ui::Timer *const Timer1;
    ui::Timer *const Timer2;
    ui::Timer *const Timer3;
    ui::MenuItem *const mnuNormal;
    ui::MenuItem *const mnuNeg;

protected:
    CountdownForm(const ui::Window &window, core::RandomSource source);

    void random();
    // One spin of all five cells; a program with a notice hides it first.
    virtual void autospin();

    // "Count down" after any notice: the counters from cells 0 to 2, cells 3
    // and 4 hidden, the tick switched on.
    void startCount();
    // "Zero" after any notice: Timer1, Timer2, Timer3 off in that order, then
    // "0" in every cell. The counters keep their values.
    void stopAndZero();

    // A tick: stopcount at zero, else the units lose one, borrowing through
    // count2 and count3.
    void count1();
    void count2();
    void count3();
    virtual void stopcount() = 0;
    void showCounters();

private:
    core::RandomSource m_random;
};

} // namespace family
