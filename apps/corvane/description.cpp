#include "description.h"

namespace corvane {
namespace {

using namespace ui;
using vantorel::boxFont;
using vantorel::buttonFont;
using vantorel::captionFont;
using vantorel::digitCell;

// No two labels overlap here, so their order among themselves does not matter.
// clang-format off
constexpr Control controls[] = {
    {.name = "display", .kind = Kind::Frame, .twips = {0, 0, 11415, 7815}},
    digitCell(0, 120, 240),
    digitCell(1, 2310, 240),
    digitCell(2, 4500, 240),
    digitCell(3, 6690, 240),
    digitCell(4, 8880, 240),
    {.name = "controlPanel", .kind = Kind::Frame, .in = "display", .twips = {360, 4800, 10695, 2655}},
    {.name = "countDownButton", .kind = Kind::Button, .in = "controlPanel", .twips = {120, 600, 2535, 855}, .text = "Count down", .font = buttonFont},
    {.name = "spinButton", .kind = Kind::Button, .in = "controlPanel", .twips = {2760, 600, 2535, 855}, .text = "Spin", .font = buttonFont},
    {.name = "autoSpinButton", .kind = Kind::Button, .in = "controlPanel", .twips = {5400, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont},
    {.name = "zeroButton", .kind = Kind::Button, .in = "controlPanel", .twips = {8040, 600, 2535, 855}, .text = "Zero", .font = buttonFont},
    {.name = "spinSpeedCaption", .kind = Kind::Label, .in = "controlPanel", .twips = {3840, 1920, 2535, 495}, .text = "Speed of Spins", .font = captionFont},
    {.name = "spinSpeedBox", .kind = Kind::TextBox, .in = "controlPanel", .twips = {6480, 1695, 1455, 840}, .text = "1000", .font = boxFont, .maxLength = 6, .namedBy = "spinSpeedCaption"},
    {.name = "exitButton", .kind = Kind::Button, .in = "controlPanel", .twips = {8040, 1680, 2535, 855}, .text = "Exit", .font = buttonFont},
};
// clang-format on

constexpr std::string_view tabOrder[] = {
    "countDownButton", "zeroButton", "autoSpinButton", "spinSpeedBox", "exitButton", "spinButton",
};

// The countdown always ticks every 500 ms: nothing changes it.
constexpr TimerRow timers[] = {
    {.name = "autoSpinTimer", .interval = 500},
    {.name = "countdownTimer", .interval = 500},
};

constexpr auto schemeCaptions = vantorel::captionsOf(schemeChoices);
constexpr auto menus = vantorel::countdownMenus(schemeCaptions);

} // namespace

const ui::WindowDescription description{
    .title = vantorel::title,
    .clientWidth = 11355,
    .clientHeight = 7800,
    .controls = controls,
    .tabOrder = tabOrder,
    .timers = timers,
    .menus = menus,
};

} // namespace corvane
