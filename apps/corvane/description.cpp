#include "description.h"

#include "apps/common/window_parts.h"

namespace corvane {
namespace {

using namespace ui;
using common::boxFont;
using common::buttonFont;
using common::captionFont;
using C = common::CountdownControls;

// No two labels overlap here, so their order among themselves does not matter.
// clang-format off
constexpr Control<C> controls[] = {
    {.handle = &C::display, .twips = {0, 0, 11415, 7815}},
    common::digitCell<C>(0, 120, 240),
    common::digitCell<C>(1, 2310, 240),
    common::digitCell<C>(2, 4500, 240),
    common::digitCell<C>(3, 6690, 240),
    common::digitCell<C>(4, 8880, 240),
    {.handle = &C::controlPanel, .in = &C::display, .twips = {360, 4800, 10695, 2655}},
    {.handle = &C::countDownButton, .in = &C::controlPanel, .twips = {120, 600, 2535, 855}, .text = "Count down", .font = buttonFont},
    {.handle = &C::spinButton, .in = &C::controlPanel, .twips = {2760, 600, 2535, 855}, .text = "Spin", .font = buttonFont},
    {.handle = &C::autoSpinButton, .in = &C::controlPanel, .twips = {5400, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont},
    {.handle = &C::zeroButton, .in = &C::controlPanel, .twips = {8040, 600, 2535, 855}, .text = "Zero", .font = buttonFont},
    {.handle = &C::spinSpeedCaption, .in = &C::controlPanel, .twips = {3840, 1920, 2535, 495}, .text = "Speed of Spins", .font = captionFont},
    {.handle = &C::spinSpeedBox, .in = &C::controlPanel, .twips = {6480, 1695, 1455, 840}, .text = "1000", .font = boxFont, .maxLength = 6, .namedBy = &C::spinSpeedCaption},
    {.handle = &C::exitButton, .in = &C::controlPanel, .twips = {8040, 1680, 2535, 855}, .text = "Exit", .font = buttonFont},
};
// clang-format on

constexpr TabStop<C> tabOrder[] = {
    &C::countDownButton, &C::zeroButton, &C::autoSpinButton,
    &C::spinSpeedBox,    &C::exitButton, &C::spinButton,
};

// The countdown always ticks every 500 ms: nothing changes it.
constexpr TimerRow<C> timers[] = {
    {.handle = &C::autoSpinTimer, .interval = 500},
    {.handle = &C::countdownTimer, .interval = 500},
};

constexpr Menu<C> menus[] = {
    {.handle = &C::outputMenu, .caption = "Output"},
    {.handle = &C::visualMenu, .caption = "Visual"},
};

constexpr WindowDescription<C> description{
    .title = common::title,
    .clientWidth = 11355,
    .clientHeight = 7800,
    .controls = controls,
    .tabOrder = tabOrder,
    .timers = timers,
    .menus = menus,
};

// The Visual menu, top to bottom. Negative has green digits here, the
// colours corvane2 calls Fluro.
constexpr common::SchemeChoice schemes[] = {
    {.caption = "Normal", .scheme = core::schemes::normal},
    {.caption = "Negative", .scheme = core::schemes::greenNegative},
};

} // namespace

const common::CountdownProgram program{.description = description, .schemes = schemes};

} // namespace corvane
