#include "colours.h"

#include "controls.h"

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

void setRole(QWidget *widget, QPalette::ColorRole role, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setBack(QWidget *widget, const QColor &colour) {
    widget->setAutoFillBackground(true);
    setRole(widget, QPalette::Window, colour);
}

core::Rgb toRgb(const QColor &colour) {
    return {std::uint8_t(colour.red()), std::uint8_t(colour.green()), std::uint8_t(colour.blue())};
}

QColor toQColor(core::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

QColor resolveColour(core::Colour colour) {
    if (core::isSystemColour(colour))
        return systemColour(core::systemColourIndex(colour));
    return toQColor(core::directRgb(colour));
}

void setBackColor(QWidget *widget, core::Colour colour) {
    setBack(widget, resolveColour(colour));
}

void setForeColor(QWidget *widget, core::Colour colour) {
    setRole(widget, QPalette::WindowText, resolveColour(colour));
}

void showScheme(const core::Scheme &scheme, QWidget *frame, std::span<Label *const> cells) {
    const core::SchemeColours desktop{toRgb(resolveColour(scheme.frameBack)),
                                      toRgb(resolveColour(scheme.cellBack)),
                                      toRgb(resolveColour(scheme.cellFore))};
    const core::SchemeColours shown = core::readableColours(scheme, desktop);
    setBack(frame, toQColor(shown.frameBack));
    for (Label *cell : cells) {
        setBack(cell, toQColor(shown.cellBack));
        setRole(cell, QPalette::WindowText, toQColor(shown.cellFore));
    }
}

} // namespace ui
