#pragma once

// The colour schemes of the digit display: the frame behind the cells, and
// the background and digits of every cell.

#include "colour.h"

namespace core {

struct Scheme {
    Colour frameBack;
    Colour cellBack;
    Colour cellFore;
};

// A scheme as it is shown.
struct SchemeColours {
    Rgb frameBack;
    Rgb cellBack;
    Rgb cellFore;
    friend constexpr bool operator==(const SchemeColours &, const SchemeColours &) = default;
};

// The scheme in the desktop's colours where they keep its digits readable
// against their background; otherwise all of it, frame and cells, in the
// usual colours, so that it looks as it is meant to. A scheme that is meant
// to be pale (grey) stays pale.
SchemeColours readableColours(const Scheme &scheme, const SchemeColours &desktop);

namespace schemes {
inline constexpr Colour green = rgb(0x00FF00);

inline constexpr Scheme normal{SystemColour::ButtonFace, SystemColour::ButtonFace,
                               SystemColour::ButtonText};
inline constexpr Scheme negative{SystemColour::ButtonText, SystemColour::ButtonText,
                                 SystemColour::HighlightText};
inline constexpr Scheme grey{SystemColour::ButtonFace, SystemColour::ButtonFace,
                             SystemColour::HighlightText};
inline constexpr Scheme fluro{SystemColour::ButtonText, SystemColour::ButtonText, green};

// corvane's Negative: green digits, the colours corvane2 calls Fluro.
inline constexpr Scheme greenNegative = fluro;
} // namespace schemes

} // namespace core
