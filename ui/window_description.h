#pragma once

// A program's window as data: its controls with their containers, positions
// and sizes in twips, texts, fonts and colours, the tab order, the timers and
// the menu bar. ui::Window builds a window from one of these, so the programs
// never place or style a control by hand.

#include "core/colour.h"

#include <optional>
#include <span>
#include <string_view>

namespace ui {

enum class Kind { Frame, Label, Button, TextBox, Shape };
enum class Align { Left, Centre };

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

struct Control {
    std::string_view name{};
    // An element of a row of like controls, such as the digit cells: its name
    // and accessible name get its number, counting from 1 ("digitCell1").
    int index = -1;
    Kind kind = Kind::Label;
    std::string_view in{}; // the containing control; empty for the window itself
    Twips twips{};
    std::string_view text{};
    std::optional<Font> font{};
    Align align = Align::Left;
    bool visible = true;
    std::optional<core::Colour> backColor{};
    std::optional<core::Colour> foreColor{};
    int maxLength = 0; // text boxes, in characters; 0 for no limit
    // For assistive technology: the label whose text names this control on
    // screen, or a name of its own where nothing on screen names it.
    std::string_view namedBy{};
    std::string_view accessibleName{};
};

struct TimerRow {
    std::string_view name{};
    int interval = 0; // milliseconds; every timer starts switched off
};

struct Menu {
    std::string_view name{};
    std::string_view caption{};
    std::span<const std::string_view> items{}; // their captions, top to bottom
};

struct WindowDescription {
    std::string_view title{};
    int clientWidth = 0; // twips, inside the frame and below the menu bar
    int clientHeight = 0;
    core::Colour backColor = core::SystemColour::MenuText;
    // A container comes before what it holds. Among the labels and shapes of
    // one container, later rows lie in front; frames, buttons and boxes lie in
    // front of them all.
    std::span<const Control> controls{};
    // The buttons and boxes in the order Tab visits them; the first has the
    // focus when the window opens.
    std::span<const std::string_view> tabOrder{};
    std::span<const TimerRow> timers{};
    std::span<const Menu> menus{};
};

} // namespace ui
