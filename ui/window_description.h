#pragma once

// A program's window as data: its controls with their containers, positions
// and sizes in twips, texts, fonts and colours, the tab order, the timers and
// the menu bar. ui::Window builds a window from one of these, so the programs
// never place or style a control by hand.
//
// Each program lists its controls as the members of a struct of typed
// pointers (its Controls). Every row of the description names the member it
// fills, under the field of its kind (.button = &Controls::spinButton), and
// its container and naming label by member too: a misspelt control, or one
// of the wrong kind, does not compile.

#include "core/colour.h"

#include <optional>
#include <span>
#include <string_view>

class QMenu;

namespace ui {

class Button;
class DigitRow;
class Frame;
class Label;
class Shape;
class TextBox;
class Timer;

// Left, Top, Width and Height inside the container, in twips (1/1440 inch).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Twips and point sizes alike become pixels at 96 to the inch, so text keeps
// its size against the controls whatever the screen reports.
inline constexpr int pixelsPerInch = 96;
inline constexpr int twipsPerInch = 1440;
inline constexpr int pointsPerInch = 72;

struct Font {
    std::string_view family{}; // empty: the toolkit's default interface font
    double points = 0;
    bool bold = false;
    bool italic = false;
};

enum class Align { Left, Centre };

// What a row says of its control, whatever its kind.
struct Properties {
    Twips twips{};
    std::string_view text{};
    std::optional<Font> font{};
    Align align = Align::Left;
    bool visible = true;
    std::optional<core::Colour> backColour{};
    std::optional<core::Colour> foreColour{};
    int maxLength = 0; // text boxes, in characters; 0 for no limit
    // A label that a screen reader speaks when it appears.
    bool notice = false;
    // Buttons and boxes: their place in the order Tab visits them, from 1;
    // the first has the focus when the window opens. 0: not visited.
    int tabIndex = 0;
    // For assistive technology, where nothing on screen names the control;
    // the cells of a row add their number ("Digit 1").
    std::string_view accessibleName{};
    // A row of digit cells: twips from one cell's left edge to the next's;
    // twips gives the first cell.
    int cellSpacing = 0;
};

template<typename Controls> struct Control {
    // The control the row makes, in the member of the Controls it fills:
    // exactly one of these.
    Frame *Controls::*frame = nullptr;
    DigitRow *Controls::*cells = nullptr;
    Label *Controls::*label = nullptr;
    Shape *Controls::*shape = nullptr;
    Button *Controls::*button = nullptr;
    TextBox *Controls::*box = nullptr;

    Frame *Controls::*in = nullptr; // the container; none for the window itself
    Properties properties{};
    // A box: the label whose text names it on screen, which also names it to
    // assistive technology.
    Label *Controls::*namedBy = nullptr;
};

template<typename Controls> struct TimerRow {
    Timer *Controls::*handle;
    int interval = 0; // milliseconds; every timer starts switched off
};

// A menu of the menu bar; the window class adds its items.
template<typename Controls> struct Menu {
    QMenu *Controls::*handle;
    std::string_view caption{};
};

template<typename Controls> struct WindowDescription {
    std::string_view title{};
    int clientWidth = 0; // twips, inside the frame and below the menu bar
    int clientHeight = 0;
    core::Colour backColour = core::SystemColour::MenuText;
    // A container comes before what it holds. Among the labels, cells and
    // shapes of one container, later rows lie in front; frames, buttons and
    // boxes lie in front of them all.
    std::span<const Control<Controls>> controls{};
    std::span<const TimerRow<Controls>> timers{};
    std::span<const Menu<Controls>> menus{};
};

} // namespace ui
