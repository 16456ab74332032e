#pragma once

#include <QProxyStyle>

namespace ui {

// The programs' style: the desktop's own, except that it draws the menu
// bar's extension button icon from a compiled-in drawing. The base style
// reads that icon from image files, and the image reader loads every image
// format plugin to ask whether it reads them, which every window with a menu
// bar would pay for at start.
class Style : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace ui
