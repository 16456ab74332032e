#pragma once

// A program's window as data: the controls with their containers, positions
// and sizes in twips, captions, fonts, colours and tab order, plus the timers
// and the menu bar. ui::Form builds a window from one of these; the programs
// never position or style a control by hand.

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

struct Font {
    std::string_view family{}; // empty: the toolkit's default interface font
    double points = 0;
    bool bold = false;
    bool italic = false;
};

struct Control {
    std::string_view name{};
    int index = -1; // position in a control array such as Label1(0..4); -1 for none
    Kind kind = Kind::Label;
    std::string_view in{}; // the containing control, or the form's own name
    Twips twips{};
    std::string_view caption{};
    std::optional<Font> font{};
    Align align = Align::Left;
    bool visible = true;
    std::optional<core::Colour> backColor{};
    std::optional<core::Colour> foreColor{};
    int maxLength = 0; // text boxes: 0 for no limit
    int tabIndex = -1; // -1 for shapes, which have none
    // For assistive technology: the label whose caption names this control on
    // screen, or a name of its own where nothing on screen names it (an
    // element of a control array gets its number after it, counting from 1).
    std::string_view namedBy{};
    std::string_view accessibleName{};
};

struct TimerRow {
    std::string_view name{};
    int interval = 0;
    bool enabled = false;
};

struct MenuItemRow {
    std::string_view name{};
    std::string_view caption{};
};

struct Menu {
    std::string_view name{};
    std::string_view caption{};
    std::span<const MenuItemRow> items{};
};

struct Window {
    std::string_view name{}; // "Form1"
    std::string_view title{};
    int clientWidth = 0; // twips, inside the frame and below the menu bar
    int clientHeight = 0;
    core::Colour backColor = core::SystemColour::MenuText;
    std::span<const Control> controls{}; // front-to-back among labels and shapes of a container
    std::span<const TimerRow> timers{};
    std::span<const Menu> menus{};
};

inline constexpr int twipsPerPixel = 15;

} // namespace ui
