#pragma once

#include "core/colour.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace ui {

// A direct colour as it is; a system colour from the application's palette
// at the moment of the call, so it follows the desktop's settings.
QColor resolveColour(core::Colour colour);

// Paints a widget's background (and makes it opaque) or its text.
void setBackColor(QWidget *widget, core::Colour colour);
void setForeColor(QWidget *widget, core::Colour colour);

} // namespace ui
