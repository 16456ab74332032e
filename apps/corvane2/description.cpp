#include "description.h"

#include "apps/common/window_parts.h"

namespace corvane2 {
namespace {

using namespace ui;
using common::boxFont;
using common::buttonFont;
using common::captionFont;
using C = countdown::CountdownControls;

constexpr Font noticeFont{"Agency FB", 24, true, true};
constexpr Font smallFont{"MS Sans Serif", 8.25};

// Among labels and shapes, later rows lie in front: the cells, then the
// notice over the first three, then the outline across all five.
// clang-format off
constexpr Control<C> controls[] = {
    {.frame = &C::display, .properties = {.twips = {0, 0, 11415, 8444}}},
    common::digitCells<C>(240, 120),
    {.label = &C::completeNotice, .in = &C::display, .properties = {.twips = {360, 360, 6015, 495}, .text = "Countdown Complete", .font = noticeFont, .align = Align::Centre, .visible = false, .backColour = core::rgb(0xFF0000), .foreColour = core::rgb(0xFF8080), .notice = true}},
    {.shape = &C::displayOutline, .in = &C::display, .properties = {.twips = {240, 840, 10815, 3855}}},
    {.frame = &C::controlPanel, .in = &C::display, .properties = {.twips = {240, 4800, 10815, 3255}}},
    {.shape = &C::buttonRowOutline, .in = &C::controlPanel, .properties = {.twips = {240, 480, 10335, 1095}}},
    {.button = &C::countDownButton, .in = &C::controlPanel, .properties = {.twips = {360, 600, 2175, 855}, .text = "Count down", .font = buttonFont, .tabIndex = 2}},
    {.button = &C::spinButton, .in = &C::controlPanel, .properties = {.twips = {3240, 600, 1455, 855}, .text = "Spin", .font = buttonFont, .tabIndex = 1}},
    {.button = &C::autoSpinButton, .in = &C::controlPanel, .properties = {.twips = {5400, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont, .tabIndex = 6}},
    {.button = &C::zeroButton, .in = &C::controlPanel, .properties = {.twips = {8640, 600, 1815, 855}, .text = "Zero", .font = buttonFont, .tabIndex = 5}},
    {.box = &C::countdownSpeedBox, .in = &C::controlPanel, .properties = {.twips = {360, 1680, 1095, 840}, .text = "93", .font = boxFont, .maxLength = 6, .tabIndex = 3}, .namedBy = &C::countdownSpeedCaption},
    {.label = &C::millisecondsCaption, .in = &C::controlPanel, .properties = {.twips = {1560, 2280, 975, 255}, .text = "Milli-seconds", .font = smallFont}},
    {.label = &C::countdownSpeedCaption, .in = &C::controlPanel, .properties = {.twips = {360, 2640, 3255, 495}, .text = "Countdown Speed", .font = captionFont}},
    {.box = &C::spinSpeedBox, .in = &C::controlPanel, .properties = {.twips = {6840, 1680, 1095, 840}, .text = "1001", .font = boxFont, .maxLength = 6, .tabIndex = 4}, .namedBy = &C::spinSpeedCaption},
    {.label = &C::spinSpeedCaption, .in = &C::controlPanel, .properties = {.twips = {5520, 2640, 2535, 495}, .text = "Speed of Spins", .font = captionFont}},
    {.button = &C::exitButton, .in = &C::controlPanel, .properties = {.twips = {8640, 2160, 1815, 855}, .text = "Exit", .font = buttonFont, .tabIndex = 7}},
};
// clang-format on

// The countdown's timer ticks at the speed its box shows.
constexpr TimerRow<C> timers[] = {
    {.handle = &C::autoSpinTimer, .interval = 500},
    {.handle = &C::countdownTimer},
};

constexpr WindowDescription<C> description{
    .title = common::title,
    .clientWidth = 11355,
    .clientHeight = 8595,
    .controls = controls,
    .timers = timers,
    .menus = countdown::menus,
};

// The Visual menu, top to bottom.
constexpr countdown::SchemeChoice schemes[] = {
    {.caption = "Normal", .scheme = core::schemes::normal},
    {.caption = "Negative", .scheme = core::schemes::negative},
    {.caption = "Fluro", .scheme = core::schemes::fluro, .atStart = true},
    {.caption = "grey", .scheme = core::schemes::grey},
};

} // namespace

const countdown::CountdownProgram program{
    .description = description,
    .schemes = schemes,
    .schemesChecked = true,
};

} // namespace corvane2
