#include "colours.h"

#include "controls.h"

#include <QApplication>
#include <QWidget>

namespace ui {
namespace {

// The palette roles that play the same part on a Qt desktop.
QColor systemColour(core::SystemColour role) {
    const QPalette palette = QApplication::palette();
    switch (role) {
    case core::SystemColour::MenuText:
        return QApplication::palette("QMenu").color(QPalette::WindowText);
    case core::SystemColour::HighlightText:
        return palette.color(QPalette::HighlightedText);
    case core::SystemColour::ButtonFace:
        return palette.color(QPalette::Button);
    case core::SystemColour::ButtonText:
        break;
    }
    return palette.color(QPalette::ButtonText);
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
    return core::rgb(colour.rgb()); // 0xAARRGGBB: the alpha falls away
}

QColor toQColor(core::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

QColor resolveColour(const core::Colour &colour) {
    if (const auto *role = std::get_if<core::SystemColour>(&colour))
        return systemColour(*role);
    return toQColor(std::get<core::Rgb>(colour));
}

void setBackColour(QWidget *widget, const core::Colour &colour) {
    setBack(widget, resolveColour(colour));
}

void setForeColour(QWidget *widget, const core::Colour &colour) {
    setRole(widget, QPalette::WindowText, resolveColour(colour));
}

void paintScheme(const core::Scheme &scheme, QWidget *frame, const CellRow &cells) {
    const core::SchemeColours desktop{toRgb(resolveColour(scheme.frameBack)),
                                      toRgb(resolveColour(scheme.cellBack)),
                                      toRgb(resolveColour(scheme.cellFore))};
    const core::SchemeColours shown = core::readableColours(scheme, desktop);
    setBack(frame, toQColor(shown.frameBack));
    for (DigitCell *cell : cells) {
        setBack(cell, toQColor(shown.cellBack));
        setRole(cell, QPalette::WindowText, toQColor(shown.cellFore));
    }
}

} // namespace ui
