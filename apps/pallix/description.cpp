#include "description.h"

#include "apps/common/window_parts.h"

namespace pallix {
namespace {

using namespace ui;
using common::buttonFont;
using common::captionFont;
using C = BatchControls;

constexpr Font countFont{"Agency FB", 26.25};

// No two labels overlap here, so their order in the table does not matter.
// clang-format off
constexpr Control<C> controls[] = {
    {.handle = &C::display, .twips = {120, 120, 10935, 7575}},
    common::digitCell<C>(0, 120, 240),
    common::digitCell<C>(1, 2310, 240),
    common::digitCell<C>(2, 4500, 240),
    common::digitCell<C>(3, 6690, 240),
    common::digitCell<C>(4, 8880, 240),
    {.handle = &C::controlPanel, .in = &C::display, .twips = {120, 4800, 10695, 2655}},
    {.handle = &C::spinButton, .in = &C::controlPanel, .twips = {600, 600, 2535, 855}, .text = "Spin", .font = buttonFont},
    {.handle = &C::autoSpinButton, .in = &C::controlPanel, .twips = {4080, 600, 2535, 855}, .text = "Auto- Spinner", .font = buttonFont},
    {.handle = &C::clearButton, .in = &C::controlPanel, .twips = {7560, 600, 2535, 855}, .text = "Clear", .font = buttonFont},
    {.handle = &C::spinCountCaption, .in = &C::controlPanel, .twips = {3000, 1920, 2775, 495}, .text = "Number of Spins", .font = captionFont},
    {.handle = &C::spinCountBox, .in = &C::controlPanel, .twips = {5880, 1680, 735, 735}, .text = "233", .font = countFont, .maxLength = 3, .namedBy = &C::spinCountCaption},
    {.handle = &C::exitButton, .in = &C::controlPanel, .twips = {7560, 1680, 2535, 855}, .text = "Exit", .font = buttonFont},
};
// clang-format on

constexpr TabStop<C> tabOrder[] = {
    &C::spinButton, &C::clearButton, &C::autoSpinButton, &C::spinCountBox, &C::exitButton,
};

} // namespace

const WindowDescription<C> description{
    .title = common::title,
    .clientWidth = 11175,
    .clientHeight = 7800,
    .controls = controls,
    .tabOrder = tabOrder,
};

} // namespace pallix
