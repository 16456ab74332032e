#include "window.h"

#include "apps/common/family.h"

namespace pallix {
namespace {

using namespace ui;
using family::agency24Bold;
using family::agency2625;
using family::digitCell;
using family::sansSerif1725;
using family::sansSerif225;

// No two labels overlap here, so their order in the table does not matter.
// clang-format off
constexpr Control controls[] = {
    {.name = "Frame2", .kind = Kind::Frame, .in = "Form1", .twips = {120, 120, 10935, 7575}, .tabIndex = 0},
    {.name = "Frame1", .kind = Kind::Frame, .in = "Frame2", .twips = {120, 4800, 10695, 2655}, .tabIndex = 2},
    digitCell(0, 120, 240, 1),
    digitCell(1, 2310, 240, 4),
    digitCell(2, 4500, 240, 5),
    digitCell(3, 6690, 240, 6),
    digitCell(4, 8880, 240, 7),
    {.name = "Command1", .kind = Kind::Button, .in = "Frame1", .twips = {7560, 1680, 2535, 855}, .caption = "Exit", .font = agency24Bold, .tabIndex = 13},
    {.name = "txtloop", .kind = Kind::TextBox, .in = "Frame1", .twips = {5880, 1680, 735, 735}, .caption = "233", .font = agency2625, .maxLength = 3, .tabIndex = 11, .namedBy = "Label3"},
    {.name = "cmdAuto", .kind = Kind::Button, .in = "Frame1", .twips = {4080, 600, 2535, 855}, .caption = "Auto- Spinner", .font = agency24Bold, .tabIndex = 10},
    {.name = "cmdClear", .kind = Kind::Button, .in = "Frame1", .twips = {7560, 600, 2535, 855}, .caption = "Clear", .font = agency24Bold, .tabIndex = 8},
    {.name = "cmdstart", .kind = Kind::Button, .in = "Frame1", .twips = {600, 600, 2535, 855}, .caption = "Spin", .font = agency24Bold, .tabIndex = 3},
    {.name = "Label3", .kind = Kind::Label, .in = "Frame1", .twips = {3000, 1920, 2775, 495}, .caption = "Number of Spins", .font = sansSerif1725, .tabIndex = 12},
    // Empty, behind "Auto- Spinner": it shows nothing.
    {.name = "Label2", .kind = Kind::Label, .in = "Frame1", .twips = {3960, 360, 2295, 1215}, .font = sansSerif225, .tabIndex = 9},
};
// clang-format on

constexpr Window description{
    .name = "Form1",
    .title = family::title,
    .clientWidth = 11175,
    .clientHeight = 7800,
    .controls = controls,
};

} // namespace

const ui::Window &window() {
    return description;
}

} // namespace pallix
