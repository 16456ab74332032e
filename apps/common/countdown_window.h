#pragma once

#include "digit_window.h"
#include "window_parts.h"

#include "core/countdown.h"

#include <span>

namespace vantorel {

// The window of both countdown programs: "Spin", auto-spin at the interval
// in "spinSpeedBox", "Zero", the three-digit countdown in the first three
// cells, the Output menu and the Visual menu of the program's schemes. What
// corvane2 adds, its notice and the countdown's speed box, is its own.
class CountdownWindow : public DigitWindow {
    Q_OBJECT
protected:
    struct Schemes {
        std::span<const SchemeChoice> choices;
        bool checked = false; // the current scheme carries the check mark
    };
    CountdownWindow(const ui::WindowDescription &description, Schemes schemes, core::Draw draw);

    // The "Countdown Complete" notice, for a window that has one.
    virtual void hideNotice() {}
    virtual void showNotice() {}

    ui::Timer *countdownTimer() const { return m_countdownTimer; }
    // Paints the display in scheme number index of the Visual menu.
    void chooseScheme(int index);

    // A new palette (the desktop turned dark, say) shows the scheme anew.
    void changeEvent(QEvent *event) override;

private slots:
    void spin();
    void startAutoSpin();
    void autoSpinTick();
    void zero();
    void countDown();
    void countdownTick();

private:
    // A tick's first step: the wait until the next tick is taken from the
    // box. A value the timer cannot take stops auto-spin and says why.
    bool takeSpinInterval();
    void countDownUnits();
    void countDownTens();
    void countDownHundreds();
    void finishCountdown();
    void showCounters();
    void showCells(const core::CellVisibility &shown);

    ui::Frame *const m_display;
    ui::TextBox *const m_spinSpeedBox;
    ui::Timer *const m_autoSpinTimer;
    ui::Timer *const m_countdownTimer;
    const Schemes m_schemes;
    const QList<ui::MenuItem *> m_schemeItems;
    // Until one is chosen, the window wears the desktop's control colours,
    // which are Normal's.
    core::Scheme m_scheme = core::schemes::normal;
    core::Countdown m_countdown;
};

} // namespace vantorel
