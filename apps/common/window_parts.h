#pragma once

// What the windows of the programs have in common: the title, the fonts, the
// digit cells, and the choices of the Output menu.

#include "core/output.h"
#include "ui/window_description.h"

#include <string_view>

namespace common {

inline constexpr std::string_view title =
    "Vantorel:        Drelmoth Software"
    "                                                                "
    "https://drelmoth.example/";

// The cells' digits have a face of their own (see ui/fonts.cpp).
inline constexpr ui::Font cellFont{"Agency FB Digits", 222, true};
inline constexpr ui::Font buttonFont{"Agency FB", 24, true};
inline constexpr ui::Font boxFont{"Agency FB", 30};
inline constexpr ui::Font captionFont{"MS Sans Serif", 17.25};

// Digit cell number index + 1 of the display, "0" in the cell font.
template<typename Controls>
constexpr ui::Control<Controls> digitCell(int index, int left, int top) {
    return {.handle = &Controls::digitCells,
            .index = index,
            .in = &Controls::display,
            .twips = {left, top, 1935, 4935},
            .text = "0",
            .font = cellFont,
            .accessibleName = "Digit"};
}

struct CellCountChoice {
    std::string_view caption;
    core::CellVisibility shown;
};

// The Output menu of the countdown programs, top to bottom.
inline constexpr CellCountChoice cellCountChoices[] = {
    {"5 Numbers", core::output::five},  {"4 Numbers", core::output::four},
    {"3 Numbers", core::output::three}, {"2 Numbers", core::output::two},
    {"1 Number", core::output::one},
};

} // namespace common
