#pragma once

// What the windows of the Vantorel programs have in common: the title, the
// fonts of the digit cells, buttons and boxes, and the Output menu.

#include "ui/window_description.h"

#include <array>
#include <span>

namespace family {

inline constexpr std::string_view title =
    "Vantorel:        Drelmoth Software"
    "                                                                "
    "https://drelmoth.example/";

inline constexpr ui::Font cellFont{"Agency FB", 222, true};
inline constexpr ui::Font agency24Bold{"Agency FB", 24, true};
inline constexpr ui::Font agency30{"Agency FB", 30};
inline constexpr ui::Font agency2625{"Agency FB", 26.25};
inline constexpr ui::Font sansSerif1725{"MS Sans Serif", 17.25};
inline constexpr ui::Font sansSerif225{"MS Sans Serif", 22.5};

inline constexpr ui::MenuItemRow outputItems[] = {
    {"mnufive", "5 Numbers"}, {"mnuFour", "4 Numbers"}, {"mnuThree", "3 Numbers"},
    {"mnuTwo", "2 Numbers"},  {"mnuOne", "1 Number"},
};

// Digit cell Label1(index) in Frame2: "0" in the cell font, left-aligned.
constexpr ui::Control digitCell(int index, int left, int top, int tabIndex) {
    return {.name = "Label1",
            .index = index,
            .kind = ui::Kind::Label,
            .in = "Frame2",
            .twips = {left, top, 1935, 4935},
            .caption = "0",
            .font = cellFont,
            .tabIndex = tabIndex,
            .accessibleName = "Digit"};
}

// The menu bar of the countdown windows: Output, then Visual with the
// program's own schemes.
constexpr std::array<ui::Menu, 2> countdownMenus(std::span<const ui::MenuItemRow> visualItems) {
    return {{{"mnuOut", "Output", outputItems}, {"mnuvisual", "Visual", visualItems}}};
}

} // namespace family
