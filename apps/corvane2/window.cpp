#include "window.h"

#include "apps/common/family.h"

namespace corvane2 {
namespace {

using namespace ui;
using family::agency24Bold;
using family::agency30;
using family::digitCell;
using family::sansSerif1725;

constexpr Font agency24BoldItalic{"Agency FB", 24, true, true};
// The small interface font such captions have always had.
constexpr Font defaultSmall{"MS Sans Serif", 8.25};

// Drawing order among labels and shapes: earlier rows lie in front.
// clang-format off
constexpr Control controls[] = {
    {.name = "Frame2", .kind = Kind::Frame, .in = "Form1", .twips = {0, 0, 11415, 8444}, .tabIndex = 0},
    {.name = "Shape2", .kind = Kind::Shape, .in = "Frame2", .twips = {240, 840, 10815, 3855}},
    {.name = "lblStop", .kind = Kind::Label, .in = "Frame2", .twips = {360, 360, 6015, 495}, .caption = "Countdown Complete", .font = agency24BoldItalic, .align = Align::Centre, .visible = false, .backColor = 0x0000'00FF, .foreColor = 0x0080'80FF, .tabIndex = 16},
    digitCell(0, 240, 120, 4),
    digitCell(1, 2430, 120, 9),
    digitCell(2, 4620, 120, 10),
    digitCell(3, 6810, 120, 11),
    digitCell(4, 9000, 120, 12),
    {.name = "Frame1", .kind = Kind::Frame, .in = "Frame2", .twips = {240, 4800, 10815, 3255}, .tabIndex = 8},
    {.name = "txtInterval", .kind = Kind::TextBox, .in = "Frame1", .twips = {360, 1680, 1095, 840}, .caption = "93", .font = agency30, .maxLength = 6, .tabIndex = 3, .namedBy = "Label4"},
    {.name = "cmdSpin", .kind = Kind::Button, .in = "Frame1", .twips = {3240, 600, 1455, 855}, .caption = "Spin", .font = agency24Bold, .tabIndex = 1},
    {.name = "Command1", .kind = Kind::Button, .in = "Frame1", .twips = {8640, 2160, 1815, 855}, .caption = "Exit", .font = agency24Bold, .tabIndex = 14},
    {.name = "txtloop", .kind = Kind::TextBox, .in = "Frame1", .twips = {6840, 1680, 1095, 840}, .caption = "1001", .font = agency30, .maxLength = 6, .tabIndex = 5, .namedBy = "Label3"},
    {.name = "cmdAuto", .kind = Kind::Button, .in = "Frame1", .twips = {5400, 600, 2535, 855}, .caption = "Auto- Spinner", .font = agency24Bold, .tabIndex = 7},
    {.name = "cmdClear", .kind = Kind::Button, .in = "Frame1", .twips = {8640, 600, 1815, 855}, .caption = "Zero", .font = agency24Bold, .tabIndex = 6},
    {.name = "cmdstart", .kind = Kind::Button, .in = "Frame1", .twips = {360, 600, 2175, 855}, .caption = "Count down", .font = agency24Bold, .tabIndex = 2},
    {.name = "Shape1", .kind = Kind::Shape, .in = "Frame1", .twips = {240, 480, 10335, 1095}},
    {.name = "Label5", .kind = Kind::Label, .in = "Frame1", .twips = {1560, 2280, 975, 255}, .caption = "Milli-seconds", .font = defaultSmall, .tabIndex = 17},
    {.name = "Label4", .kind = Kind::Label, .in = "Frame1", .twips = {360, 2640, 3255, 495}, .caption = "Countdown Speed", .font = sansSerif1725, .tabIndex = 15},
    {.name = "Label3", .kind = Kind::Label, .in = "Frame1", .twips = {5520, 2640, 2535, 495}, .caption = "Speed of Spins", .font = sansSerif1725, .tabIndex = 13},
};
// clang-format on

constexpr TimerRow timers[] = {
    {.name = "Timer1", .interval = 500},
    {.name = "Timer2", .interval = 1000},
    {.name = "Timer3", .interval = 93},
};

constexpr MenuItemRow visualItems[] = {
    {"mnuNormal", "Normal"},
    {"mnuNeg", "Negative"},
    {"MnuFluro", "Fluro"},
    {"mnuGrey", "grey"},
};

constexpr auto menus = family::countdownMenus(visualItems);

constexpr Window description{
    .name = "Form1",
    .title = family::title,
    .clientWidth = 11355,
    .clientHeight = 8595,
    .controls = controls,
    .timers = timers,
    .menus = menus,
};

} // namespace

const ui::Window &window() {
    return description;
}

} // namespace corvane2
