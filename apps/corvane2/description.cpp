#include "description.h"

namespace corvane2 {
namespace {

using namespace ui;
using vantorel::boxFont;
using vantorel::buttonFont;
using vantorel::captionFont;
using vantorel::digitCell;

constexpr Font noticeFont{"Agency FB", 24, true, true};
constexpr Font smallFont{"MS Sans Serif", 8.25};

// Among labels and shapes, later rows lie in front: the cells, then the
// notice over the first three, then the outline across all five.
// clang-format off
constexpr Control controls[] = {
    {.name = "display", .kind = Kind::Frame, .twips = {0, 0, 11415, 8444}},
    digitCell(0, 240, 120),
    digitCell(1, 2430, 120),
    digitCell(2, 4620, 120),
    digitCell(3, 6810, 120),
    digitCell(4, 9000, 120),
    {.name = "completeNotice", .kind = Kind::Label, .in = "display", .twips = {360, 360, 6015, 495}, .text = "Countdown Complete", .font = noticeFont, .align = Align::Centre, .visible = false, .backColor = 0x0000'00FF, .foreColor = 0x0080'80FF},
    {.name = "displayOutline", .kind = Kind::Shape, .in = "display", .twips = {240, 840, 10815, 3855}},
    {.name = "controlPanel", .kind = Kind::Frame, .in = "display", .twips = {240, 4800, 10815, 3255}},
    {.name = "buttonRowOutline", .kind = Kind::Shape, .in = "controlPanel", .twips = {240, 480, 10335, 1095}},
    {.name = "countDownButton", .kind = Kind::Button, .in = "controlPanel", .twips = {360, 600, 2175, 855}, .text = "Count down", .font = buttonFont},
    {.name = "spinButton", .kind = Kind::Button, .in = "controlPanel", .twips = {3240, 600, 1455, 855}, .text = "Spin", .font = buttonFont},
    {.name = "autoSpinButton", .kind = Kind::Button, .in = "controlPanel", .twips = {5400, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont},
    {.name = "zeroButton", .kind = Kind::Button, .in = "controlPanel", .twips = {8640, 600, 1815, 855}, .text = "Zero", .font = buttonFont},
    {.name = "countdownSpeedBox", .kind = Kind::TextBox, .in = "controlPanel", .twips = {360, 1680, 1095, 840}, .text = "93", .font = boxFont, .maxLength = 6, .namedBy = "countdownSpeedCaption"},
    {.name = "millisecondsCaption", .kind = Kind::Label, .in = "controlPanel", .twips = {1560, 2280, 975, 255}, .text = "Milli-seconds", .font = smallFont},
    {.name = "countdownSpeedCaption", .kind = Kind::Label, .in = "controlPanel", .twips = {360, 2640, 3255, 495}, .text = "Countdown Speed", .font = captionFont},
    {.name = "spinSpeedBox", .kind = Kind::TextBox, .in = "controlPanel", .twips = {6840, 1680, 1095, 840}, .text = "1001", .font = boxFont, .maxLength = 6, .namedBy = "spinSpeedCaption"},
    {.name = "spinSpeedCaption", .kind = Kind::Label, .in = "controlPanel", .twips = {5520, 2640, 2535, 495}, .text = "Speed of Spins", .font = captionFont},
    {.name = "exitButton", .kind = Kind::Button, .in = "controlPanel", .twips = {8640, 2160, 1815, 855}, .text = "Exit", .font = buttonFont},
};
// clang-format on

constexpr std::string_view tabOrder[] = {
    "spinButton", "countDownButton", "countdownSpeedBox", "spinSpeedBox",
    "zeroButton", "autoSpinButton",  "exitButton",
};

constexpr TimerRow timers[] = {
    {.name = "autoSpinTimer", .interval = 500},
    {.name = "countdownTimer", .interval = 93},
};

constexpr auto schemeCaptions = vantorel::captionsOf(schemeChoices);
constexpr auto menus = vantorel::countdownMenus(schemeCaptions);

} // namespace

const ui::WindowDescription description{
    .title = vantorel::title,
    .clientWidth = 11355,
    .clientHeight = 8595,
    .controls = controls,
    .tabOrder = tabOrder,
    .timers = timers,
    .menus = menus,
};

} // namespace corvane2
