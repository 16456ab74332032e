#include "description.h"

#include "apps/common/window_parts.h"

namespace pallix {
namespace {

using namespace ui;
using common::buttonFont;
using common::captionFont;
using C = batch::BatchControls;

constexpr Font countFont{"Agency FB", 26.25};

// No two labels overlap here, so their order in the table does not matter.
// clang-format off
constexpr Control<C> controls[] = {
    {.frame = &C::display, .properties = {.twips = {120, 120, 10935, 7575}}},
    common::digitCells<C>(120, 240),
    {.frame = &C::controlPanel, .in = &C::display, .properties = {.twips = {120, 4800, 10695, 2655}}},
    {.button = &C::spinButton, .in = &C::controlPanel, .properties = {.twips = {600, 600, 2535, 855}, .text = "Spin", .font = buttonFont, .tabIndex = 1}},
    {.button = &C::autoSpinButton, .in = &C::controlPanel, .properties = {.twips = {4080, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont, .tabIndex = 3}},
    {.button = &C::clearButton, .in = &C::controlPanel, .properties = {.twips = {7560, 600, 2535, 855}, .text = "Clear", .font = buttonFont, .tabIndex = 2}},
    {.label = &C::spinCountCaption, .in = &C::controlPanel, .properties = {.twips = {3000, 1920, 2775, 495}, .text = "Number of Spins", .font = captionFont}},
    {.box = &C::spinCountBox, .in = &C::controlPanel, .properties = {.twips = {5880, 1680, 735, 735}, .text = "233", .font = countFont, .maxLength = 3, .tabIndex = 4}, .namedBy = &C::spinCountCaption},
    {.button = &C::exitButton, .in = &C::controlPanel, .properties = {.twips = {7560, 1680, 2535, 855}, .text = "Exit", .font = buttonFont, .tabIndex = 5}},
};
// clang-format on

constexpr WindowDescription<C> description{
    .title = common::title,
    .clientWidth = 11175,
    .clientHeight = 7800,
    .controls = controls,
};

} // namespace

const batch::BatchProgram program{.description = description};

} // namespace pallix
