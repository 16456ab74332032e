#pragma once

// The window of both countdown programs: "Spin", auto-spin at the interval in
// the "Speed of Spins" box, "Zero", the three-digit countdown in the first
// three cells, the Output menu and the Visual menu of the program's schemes.
// corvane2's window also has the "Countdown Complete" notice and a box for the
// countdown's speed; corvane's has neither, and leaves those controls out.

#include "ui/window.h"

#include "core/countdown.h"
#include "core/digits.h"
#include "core/draw.h"
#include "core/output.h"
#include "core/schemes.h"

#include <optional>
#include <span>

namespace countdown {

struct CountdownControls {
    ui::Frame *display = nullptr;
    ui::DigitRow *digitRow = nullptr;
    ui::Label *completeNotice = nullptr; // none in corvane
    ui::Shape *displayOutline = nullptr;
    ui::Frame *controlPanel = nullptr;
    ui::Shape *buttonRowOutline = nullptr;
    ui::Button *countDownButton = nullptr;
    ui::Button *spinButton = nullptr;
    ui::Button *autoSpinButton = nullptr;
    ui::Button *zeroButton = nullptr;
    ui::Button *exitButton = nullptr;
    // None in corvane, whose countdown ticks at its timer's interval. Where
    // there is one, the countdown ticks at the speed it shows from the start.
    ui::TextBox *countdownSpeedBox = nullptr;
    ui::Label *millisecondsCaption = nullptr;
    ui::Label *countdownSpeedCaption = nullptr;
    ui::TextBox *spinSpeedBox = nullptr;
    ui::Label *spinSpeedCaption = nullptr;
    ui::Timer *autoSpinTimer = nullptr;
    ui::Timer *countdownTimer = nullptr;
    QMenu *outputMenu = nullptr;
    QMenu *visualMenu = nullptr;
};

// The menu bar of every countdown program; the window adds the items.
inline constexpr ui::Menu<CountdownControls> menus[] = {
    {.handle = &CountdownControls::outputMenu, .caption = "Output"},
    {.handle = &CountdownControls::visualMenu, .caption = "Visual"},
};

struct CellCountChoice {
    std::string_view caption;
    core::CellVisibility shown;
};

// The Output menu, top to bottom.
inline constexpr CellCountChoice cellCountChoices[] = {
    {"5 Numbers", core::output::five},  {"4 Numbers", core::output::four},
    {"3 Numbers", core::output::three}, {"2 Numbers", core::output::two},
    {"1 Number", core::output::one},
};

struct SchemeChoice {
    std::string_view caption;
    core::Scheme scheme;
    bool atStart = false; // the window opens in it
};

// What makes a countdown program of the window: its description and its
// Visual menu.
struct CountdownProgram {
    const ui::WindowDescription<CountdownControls> &description;
    std::span<const SchemeChoice> schemes;
    // A check item per scheme, the current one checked; otherwise plain items.
    bool schemesChecked = false;
};

class CountdownWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit CountdownWindow(const CountdownProgram &program,
                             core::Draw draw = core::clockSeededDraw());

    // The controls as built, for tests and benchmarks that drive the window.
    const CountdownControls &controls() const { return m_controls; }

private slots:
    void spin();
    void startAutoSpin();
    void autoSpinTick();
    void zero();
    void countDown();
    void countdownTick();
    void applyCountdownSpeed();

private:
    void addOutputMenu();
    void addVisualMenu(const CountdownProgram &program);
    // The interval in the box; empty when the timer cannot take it, and then
    // auto-spin is off and a message says why.
    std::optional<std::int32_t> readSpinInterval();
    void spinCells(ui::DigitRow::Reading reading);
    void finishCountdown();
    void showDigits(const core::Digits &digits, ui::DigitRow::Reading reading);
    void showCells(const core::CellVisibility &shown);
    void setNoticeVisible(bool visible);

    const CountdownControls m_controls;
    const core::Draw m_draw;
    // What the cells show, and which of them are shown.
    core::Digits m_digits{};
    core::CellVisibility m_shown = core::output::five;
    core::Countdown m_countdown;
};

} // namespace countdown
