#pragma once

// What the window descriptions of the programs have in common: the title,
// the fonts, the digit cells and the Output menu.

#include "core/output.h"
#include "core/schemes.h"
#include "ui/window_description.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace vantorel {

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
constexpr ui::Control digitCell(int index, int left, int top) {
    return {.name = "digitCell",
            .index = index,
            .kind = ui::Kind::Label,
            .in = "display",
            .twips = {left, top, 1935, 4935},
            .text = "0",
            .font = cellFont,
            .accessibleName = "Digit"};
}

// A menu item and what choosing it does.
template<typename Effect> struct Choice {
    std::string_view caption;
    Effect effect;
};
using CellCountChoice = Choice<core::CellVisibility>;
using SchemeChoice = Choice<core::Scheme>;

template<typename Effect, std::size_t N>
constexpr std::array<std::string_view, N> captionsOf(const Choice<Effect> (&choices)[N]) {
    std::array<std::string_view, N> captions{};
    for (std::size_t i = 0; i < N; ++i)
        captions[i] = choices[i].caption;
    return captions;
}

// The Output menu of the countdown programs, top to bottom.
inline constexpr CellCountChoice cellCountChoices[] = {
    {"5 Numbers", core::output::five},  {"4 Numbers", core::output::four},
    {"3 Numbers", core::output::three}, {"2 Numbers", core::output::two},
    {"1 Number", core::output::one},
};
inline constexpr auto cellCountCaptions = captionsOf(cellCountChoices);

// The menu bar of the countdown windows: Output, then Visual with the
// program's own schemes.
constexpr std::array<ui::Menu, 2> countdownMenus(std::span<const std::string_view> schemeCaptions) {
    return {
        {{"outputMenu", "Output", cellCountCaptions}, {"visualMenu", "Visual", schemeCaptions}}};
}

} // namespace vantorel
