#pragma once

// A program's window as data: its controls with their containers, positions
// and sizes in twips, texts, fonts and colours, the tab order, the timers and
// the menu bar. ui::Window builds a window from one of these, so the programs
// never place or style a control by hand.
//
// Each program lists its controls as the members of a struct of typed
// pointers (its Controls); every row of the description names the member it
// fills, and refers to its container, its naming label and its place in the
// tab order by member too. A misspelt control does not compile.

#include "core/cells.h"
#include "core/colour.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

class QMenu;

namespace ui {

class Button;
class Frame;
class Label;
class Shape;
class TextBox;
class Timer;

// The row of digit cells, left to right.
using CellRow = std::array<Label *, core::cellCount>;

// Left, Top, Width and Height inside the container, in twips (1/1440 inch).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int twipsPerPixel = 15;

struct Font {
    std::string_view family{}; // empty: the toolkit's default interface font
    double points = 0;
    bool bold = false;
    bool italic = false;
};

enum class Align { Left, Centre };

// The member a control is built into; its type says the kind of control. A
// cell of the CellRow is chosen by the row's index.
template<typename Controls>
using Handle = std::variant<Frame * Controls::*, Label * Controls::*, CellRow Controls::*,
                            Button * Controls::*, TextBox * Controls::*, Shape * Controls::*>;

template<typename Controls> struct Control {
    Handle<Controls> handle;
    int index = -1;                 // the cell, for a CellRow
    Frame *Controls::*in = nullptr; // the container; none for the window itself
    Twips twips{};
    std::string_view text{};
    std::optional<Font> font{};
    Align align = Align::Left;
    bool visible = true;
    std::optional<core::Colour> backColour{};
    std::optional<core::Colour> foreColour{};
    int maxLength = 0; // text boxes, in characters; 0 for no limit
    // For assistive technology: the label whose text names this control on
    // screen, or a name of its own where nothing on screen names it (a cell
    // adds its number, "Digit 1").
    Label *Controls::*namedBy = nullptr;
    std::string_view accessibleName{};
};

template<typename Controls>
using TabStop = std::variant<Button * Controls::*, TextBox * Controls::*>;

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
    // A container comes before what it holds. Among the labels and shapes of
    // one container, later rows lie in front; frames, buttons and boxes lie in
    // front of them all.
    std::span<const Control<Controls>> controls{};
    // The buttons and boxes in the order Tab visits them; the first has the
    // focus when the window opens.
    std::span<const TabStop<Controls>> tabOrder{};
    std::span<const TimerRow<Controls>> timers{};
    std::span<const Menu<Controls>> menus{};
};

} // namespace ui
