#pragma once

// Colours as the window descriptions give them: 0x00BBGGRR for a direct
// colour, 0x800000NN for the desktop's system colour number NN.

#include <cstdint>

namespace core {

using Colour = std::uint32_t;

namespace SystemColour {
inline constexpr Colour MenuText = 0x8000'0007;
inline constexpr Colour HighlightText = 0x8000'000E;
inline constexpr Colour ButtonFace = 0x8000'000F;
inline constexpr Colour ButtonText = 0x8000'0012;
} // namespace SystemColour

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

constexpr bool isSystemColour(Colour colour) {
    return (colour & 0xFF00'0000) == 0x8000'0000;
}
constexpr int systemColourIndex(Colour colour) {
    return static_cast<int>(colour & 0xFF);
}

constexpr Rgb directRgb(Colour colour) {
    return {static_cast<std::uint8_t>(colour & 0xFF),
            static_cast<std::uint8_t>((colour >> 8) & 0xFF),
            static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

// The system colours as a desktop usually has them, and as the programs'
// colour schemes are meant to look: black button text, white highlighted
// text, and a light grey button face, the one of Qt's own default palette.
constexpr Rgb usualRgb(Colour colour) {
    if (!isSystemColour(colour))
        return directRgb(colour);
    switch (colour) {
    case SystemColour::MenuText:
    case SystemColour::ButtonText:
        return {0x00, 0x00, 0x00};
    case SystemColour::HighlightText:
        return {0xFF, 0xFF, 0xFF};
    default:
        return {0xEF, 0xEF, 0xEF};
    }
}

} // namespace core
