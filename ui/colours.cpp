#include "colours.h"

#include <QApplication>
#include <QWidget>

namespace ui {
namespace {

// The system colour numbers the programs use, and a few neighbours, mapped to
// the palette roles that play the same part on a Qt desktop.
QColor systemColour(int index) {
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 7: // menu text
        return QApplication::palette("QMenu").color(QPalette::WindowText);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlight text
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    default:
        return palette.color(QPalette::Window);
    }
}

void setRole(QWidget *widget, QPalette::ColorRole role, core::Colour colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, resolveColour(colour));
    widget->setPalette(palette);
}

} // namespace

QColor resolveColour(core::Colour colour) {
    if (core::isSystemColour(colour))
        return systemColour(core::systemColourIndex(colour));
    const core::Rgb rgb = core::directRgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setBackColor(QWidget *widget, core::Colour colour) {
    widget->setAutoFillBackground(true);
    setRole(widget, QPalette::Window, colour);
}

void setForeColor(QWidget *widget, core::Colour colour) {
    setRole(widget, QPalette::WindowText, colour);
}

} // namespace ui
