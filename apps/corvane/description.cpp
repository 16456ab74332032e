#include "description.h"

#include "apps/common/window_parts.h"

namespace corvane {
namespace {

using namespace ui;
using common::boxFont;
using common::buttonFont;
using common::captionFont;
using C = countdown::CountdownControls;

// No two labels overlap here, so their order among themselves does not matter.
// clang-format off
constexpr Control<C> controls[] = {
    {.frame = &C::display, .properties = {.twips = {0, 0, 11415, 7815}}},
    common::digitCells<C>(120, 240),
    {.frame = &C::controlPanel, .in = &C::display, .properties = {.twips = {360, 4800, 10695, 2655}}},
    {.button = &C::countDownButton, .in = &C::controlPanel, .properties = {.twips = {120, 600, 2535, 855}, .text = "Count down", .font = buttonFont, .tabIndex = 1}},
    {.button = &C::spinButton, .in = &C::controlPanel, .properties = {.twips = {2760, 600, 2535, 855}, .text = "Spin", .font = buttonFont, .tabIndex = 6}},
    {.button = &C::autoSpinButton, .in = &C::controlPanel, .properties = {.twips = {5400, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont, .tabIndex = 3}},
    {.button = &C::zeroButton, .in = &C::controlPanel, .properties = {.twips = {8040, 600, 2535, 855}, .text = "Zero", .font = buttonFont, .tabIndex = 2}},
    {.label = &C::spinSpeedCaption, .in = &C::controlPanel, .properties = {.twips = {3840, 1920, 2535, 495}, .text = "Speed of Spins", .font = captionFont}},
    {.box = &C::spinSpeedBox, .in = &C::controlPanel, .properties = {.twips = {6480, 1695, 1455, 840}, .text = "1000", .font = boxFont, .maxLength = 6, .tabIndex = 4}, .namedBy = &C::spinSpeedCaption},
    {.button = &C::exitButton, .in = &C::controlPanel, .properties = {.twips = {8040, 1680, 2535, 855}, .text = "Exit", .font = buttonFont, .tabIndex = 5}},
};
// clang-format on

// The countdown always ticks every 500 ms: nothing changes it.
constexpr TimerRow<C> timers[] = {
    {.handle = &C::autoSpinTimer, .interval = 500},
    {.handle = &C::countdownTimer, .interval = 500},
};

constexpr WindowDescription<C> description{
    .title = common::title,
    .clientWidth = 11355,
    .clientHeight = 7800,
    .controls = controls,
    .timers = timers,
    .menus = countdown::menus,
};

// The Visual menu, top to bottom. Negative has green digits here, the
// colours corvane2 calls Fluro.
constexpr countdown::SchemeChoice schemes[] = {
    {.caption = "Normal", .scheme = core::schemes::normal},
    {.caption = "Negative", .scheme = core::schemes::greenNegative},
};

} // namespace

const countdown::CountdownProgram program{.description = description, .schemes = schemes};

} // namespace corvane
