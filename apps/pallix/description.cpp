#include "description.h"

#include "apps/common/window_parts.h"

namespace pallix {
namespace {

using namespace ui;
using vantorel::buttonFont;
using vantorel::captionFont;
using vantorel::digitCell;

constexpr Font countFont{"Agency FB", 26.25};

// No two labels overlap here, so their order in the table does not matter.
// clang-format off
constexpr Control controls[] = {
    {.name = "display", .kind = Kind::Frame, .twips = {120, 120, 10935, 7575}},
    digitCell(0, 120, 240),
    digitCell(1, 2310, 240),
    digitCell(2, 4500, 240),
    digitCell(3, 6690, 240),
    digitCell(4, 8880, 240),
    {.name = "controlPanel", .kind = Kind::Frame, .in = "display", .twips = {120, 4800, 10695, 2655}},
    {.name = "spinButton", .kind = Kind::Button, .in = "controlPanel", .twips = {600, 600, 2535, 855}, .text = "Spin", .font = buttonFont},
    {.name = "autoSpinButton", .kind = Kind::Button, .in = "controlPanel", .twips = {4080, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont},
    {.name = "clearButton", .kind = Kind::Button, .in = "controlPanel", .twips = {7560, 600, 2535, 855}, .text = "Clear", .font = buttonFont},
    {.name = "spinCountCaption", .kind = Kind::Label, .in = "controlPanel", .twips = {3000, 1920, 2775, 495}, .text = "Number of Spins", .font = captionFont},
    {.name = "spinCountBox", .kind = Kind::TextBox, .in = "controlPanel", .twips = {5880, 1680, 735, 735}, .text = "233", .font = countFont, .maxLength = 3, .namedBy = "spinCountCaption"},
    {.name = "exitButton", .kind = Kind::Button, .in = "controlPanel", .twips = {7560, 1680, 2535, 855}, .text = "Exit", .font = buttonFont},
};
// clang-format on

constexpr std::string_view tabOrder[] = {
    "spinButton", "clearButton", "autoSpinButton", "spinCountBox", "exitButton",
};

} // namespace

const ui::WindowDescription description{
    .title = vantorel::title,
    .clientWidth = 11175,
    .clientHeight = 7800,
    .controls = controls,
    .tabOrder = tabOrder,
};

} // namespace pallix
