#include "window.h"

#include "apps/common/family.h"

namespace corvane {
namespace {

using namespace ui;
using family::agency24Bold;
using family::agency30;
using family::digitCell;
using family::sansSerif1725;
using family::sansSerif225;

// No two labels overlap here, so their order among themselves does not matter.
// clang-format off
constexpr Control controls[] = {
    {.name = "Frame2", .kind = Kind::Frame, .in = "Form1", .twips = {0, 0, 11415, 7815}, .tabIndex = 0},
    digitCell(0, 120, 240, 1),
    digitCell(1, 2310, 240, 4),
    digitCell(2, 4500, 240, 5),
    digitCell(3, 6690, 240, 6),
    digitCell(4, 8880, 240, 7),
    {.name = "Frame1", .kind = Kind::Frame, .in = "Frame2", .twips = {360, 4800, 10695, 2655}, .tabIndex = 2},
    {.name = "cmdSpin", .kind = Kind::Button, .in = "Frame1", .twips = {2760, 600, 2535, 855}, .caption = "Spin", .font = agency24Bold, .tabIndex = 14},
    {.name = "Command1", .kind = Kind::Button, .in = "Frame1", .twips = {8040, 1680, 2535, 855}, .caption = "Exit", .font = agency24Bold, .tabIndex = 13},
    {.name = "txtloop", .kind = Kind::TextBox, .in = "Frame1", .twips = {6480, 1695, 1455, 840}, .caption = "1000", .font = agency30, .maxLength = 6, .tabIndex = 11, .namedBy = "Label3"},
    {.name = "cmdAuto", .kind = Kind::Button, .in = "Frame1", .twips = {5400, 600, 2535, 855}, .caption = "Auto- Spinner", .font = agency24Bold, .tabIndex = 10},
    {.name = "cmdClear", .kind = Kind::Button, .in = "Frame1", .twips = {8040, 600, 2535, 855}, .caption = "Zero", .font = agency24Bold, .tabIndex = 8},
    {.name = "cmdstart", .kind = Kind::Button, .in = "Frame1", .twips = {120, 600, 2535, 855}, .caption = "Count down", .font = agency24Bold, .tabIndex = 3},
    {.name = "Label3", .kind = Kind::Label, .in = "Frame1", .twips = {3840, 1920, 2535, 495}, .caption = "Speed of Spins", .font = sansSerif1725, .tabIndex = 12},
    // Empty, behind "Spin" and "Auto- Spinner": it shows nothing.
    {.name = "Label2", .kind = Kind::Label, .in = "Frame1", .twips = {3960, 360, 2295, 1215}, .font = sansSerif225, .tabIndex = 9},
};
// clang-format on

// Timer3's 500 ms is the countdown's only speed: nothing changes it.
constexpr TimerRow timers[] = {
    {.name = "Timer1", .interval = 500},
    {.name = "Timer2", .interval = 1000},
    {.name = "Timer3", .interval = 500},
};

constexpr MenuItemRow visualItems[] = {
    {"mnuNormal", "Normal"},
    {"mnuNeg", "Negative"},
};

constexpr auto menus = family::countdownMenus(visualItems);

constexpr Window description{
    .name = "Form1",
    .title = family::title,
    .clientWidth = 11355,
    .clientHeight = 7800,
    .controls = controls,
    .timers = timers,
    .menus = menus,
};

} // namespace

const ui::Window &window() {
    return description;
}

} // namespace corvane
