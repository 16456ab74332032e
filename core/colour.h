#pragma once

// Colours as the window descriptions give them: a direct colour, or one of
// the desktop's colours named by its role, which the user's settings give.

#include <cstdint>
#include <variant>

namespace core {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A direct colour written as 0xRRGGBB, the way #RRGGBB reads.
constexpr Rgb rgb(std::uint32_t rrggbb) {
    return {std::uint8_t(rrggbb >> 16), std::uint8_t(rrggbb >> 8), std::uint8_t(rrggbb)};
}

enum class SystemColour { MenuText, HighlightText, ButtonFace, ButtonText };

using Colour = std::variant<Rgb, SystemColour>;

// The desktop's colours as a desktop usually has them, and as the programs'
// colour schemes are meant to look: black text, white highlighted text, and
// a light grey button face, the one of Qt's own default palette.
constexpr Rgb usualRgb(const Colour &colour) {
    if (const Rgb *direct = std::get_if<Rgb>(&colour))
        return *direct;
    switch (std::get<SystemColour>(colour)) {
    case SystemColour::MenuText:
    case SystemColour::ButtonText:
        return rgb(0x000000);
    case SystemColour::HighlightText:
        return rgb(0xFFFFFF);
    case SystemColour::ButtonFace:
        break;
    }
    return rgb(0xEFEFEF);
}

} // namespace core
