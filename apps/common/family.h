#pragma once

// What the windows of the Vantorel programs have in common: the title, the
// fonts of the digit cells, buttons and boxes, and the Output menu.

#include "ui/window_description.h"

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

} // namespace family
