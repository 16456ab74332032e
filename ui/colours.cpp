#include "colours.h"

#include "controls.h"
#include "digit_row.h"

#include <QApplication>

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

void paintScheme(const core::Scheme &scheme, Frame *frame, const DigitRow &cells) {
    const core::SchemeColours desktop{toRgb(resolveColour(scheme.frameBack)),
                                      toRgb(resolveColour(scheme.cellBack)),
                                      toRgb(resolveColour(scheme.cellFore))};
    const core::SchemeColours shown = core::readableColours(scheme, desktop);
    frame->setBackColour(toQColor(shown.frameBack));
    for (DigitCell *cell : cells.cells())
        cell->setColours(toQColor(shown.cellBack), toQColor(shown.cellFore));
}

} // namespace ui
