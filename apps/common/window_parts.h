#pragma once

// What the windows of all the programs have in common: the title, the fonts
// and the row of digit cells.

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

// The five digit cells in the display, "Digit 1" to "Digit 5", each "0" in
// the cell font; the first at left and top, the next ones 2190 twips apart.
template<typename Controls> constexpr ui::Control<Controls> digitCells(int left, int top) {
    return {.cells = &Controls::digitRow,
            .in = &Controls::display,
            .properties = {.twips = {left, top, 1935, 4935},
                           .text = "0",
                           .font = cellFont,
                           .accessibleName = "Digit",
                           .cellSpacing = 2190}};
}

} // namespace common
