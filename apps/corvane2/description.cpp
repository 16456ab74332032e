#include "description.h"

#include "apps/common/window_parts.h"

namespace corvane2 {
namespace {

using namespace ui;
using common::boxFont;
using common::buttonFont;
using common::captionFont;
using C = common::CountdownControls;

constexpr Font noticeFont{"Agency FB", 24, true, true};
constexpr Font smallFont{"MS Sans Serif", 8.25};

// Among labels and shapes, later rows lie in front: the cells, then the
// notice over the first three, then the outline across all five.
// clang-format off
constexpr Control<C> controls[] = {
    {.handle = &C::display, .twips = {0, 0, 11415, 8444}},
    common::digitCell<C>(0, 240, 120),
    common::digitCell<C>(1, 2430, 120),
    common::digitCell<C>(2, 4620, 120),
    common::digitCell<C>(3, 6810, 120),
    common::digitCell<C>(4, 9000, 120),
    {.handle = &C::completeNotice, .in = &C::display, .twips = {360, 360, 6015, 495}, .text = "Countdown Complete", .font = noticeFont, .align = Align::Centre, .visible = false, .backColour = core::rgb(0xFF0000), .foreColour = core::rgb(0xFF8080)},
    {.handle = &C::displayOutline, .in = &C::display, .twips = {240, 840, 10815, 3855}},
    {.handle = &C::controlPanel, .in = &C::display, .twips = {240, 4800, 10815, 3255}},
    {.handle = &C::buttonRowOutline, .in = &C::controlPanel, .twips = {240, 480, 10335, 1095}},
    {.handle = &C::countDownButton, .in = &C::controlPanel, .twips = {360, 600, 2175, 855}, .text = "Count down", .font = buttonFont},
    {.handle = &C::spinButton, .in = &C::controlPanel, .twips = {3240, 600, 1455, 855}, .text = "Spin", .font = buttonFont},
    {.handle = &C::autoSpinButton, .in = &C::controlPanel, .twips = {5400, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont},
    {.handle = &C::zeroButton, .in = &C::controlPanel, .twips = {8640, 600, 1815, 855}, .text = "Zero", .font = buttonFont},
    {.handle = &C::countdownSpeedBox, .in = &C::controlPanel, .twips = {360, 1680, 1095, 840}, .text = "93", .font = boxFont, .maxLength = 6, .namedBy = &C::countdownSpeedCaption},
    {.handle = &C::millisecondsCaption, .in = &C::controlPanel, .twips = {1560, 2280, 975, 255}, .text = "Milli-seconds", .font = smallFont},
    {.handle = &C::countdownSpeedCaption, .in = &C::controlPanel, .twips = {360, 2640, 3255, 495}, .text = "Countdown Speed", .font = captionFont},
    {.handle = &C::spinSpeedBox, .in = &C::controlPanel, .twips = {6840, 1680, 1095, 840}, .text = "1001", .font = boxFont, .maxLength = 6, .namedBy = &C::spinSpeedCaption},
    {.handle = &C::spinSpeedCaption, .in = &C::controlPanel, .twips = {5520, 2640, 2535, 495}, .text = "Speed of Spins", .font = captionFont},
    {.handle = &C::exitButton, .in = &C::controlPanel, .twips = {8640, 2160, 1815, 855}, .text = "Exit", .font = buttonFont},
};
// clang-format on

constexpr TabStop<C> tabOrder[] = {
    &C::spinButton, &C::countDownButton, &C::countdownSpeedBox, &C::spinSpeedBox,
    &C::zeroButton, &C::autoSpinButton,  &C::exitButton,
};

constexpr TimerRow<C> timers[] = {
    {.handle = &C::autoSpinTimer, .interval = 500},
    {.handle = &C::countdownTimer, .interval = 93},
};

constexpr Menu<C> menus[] = {
    {.handle = &C::outputMenu, .caption = "Output"},
    {.handle = &C::visualMenu, .caption = "Visual"},
};

constexpr WindowDescription<C> description{
    .title = common::title,
    .clientWidth = 11355,
    .clientHeight = 8595,
    .controls = controls,
    .tabOrder = tabOrder,
    .timers = timers,
    .menus = menus,
};

// The Visual menu, top to bottom.
constexpr common::SchemeChoice schemes[] = {
    {.caption = "Normal", .scheme = core::schemes::normal},
    {.caption = "Negative", .scheme = core::schemes::negative},
    {.caption = "Fluro", .scheme = core::schemes::fluro, .atStart = true},
    {.caption = "grey", .scheme = core::schemes::grey},
};

} // namespace

const common::CountdownProgram program{
    .description = description,
    .schemes = schemes,
    .schemesChecked = true,
};

} // namespace corvane2
