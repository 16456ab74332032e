#include "style.h"

#include <QGuiApplication>
#include <QStyleOption>
#include <QWidget>

namespace ui {
namespace {

// A double chevron pointing the way the hidden menus lie.
const char *const extensionChevron[] = {
    "8 8 2 1",  ". c None", "# c #404040", "#...#...", "##..##..", ".##..##.",
    "..##..##", "..##..##", ".##..##.",    "##..##..", "#...#...",
};

bool rightToLeft(const QStyleOption *option, const QWidget *widget) {
    if (option)
        return option->direction == Qt::RightToLeft;
    return widget ? widget->isRightToLeft() : QGuiApplication::isRightToLeft();
}

QIcon extensionIcon(bool mirrored) {
    const QImage chevron(extensionChevron);
    return QIcon(QPixmap::fromImage(mirrored ? chevron.mirrored(true, false) : chevron));
}

} // namespace

QIcon Style::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                          const QWidget *widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton)
        return extensionIcon(rightToLeft(option, widget));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

} // namespace ui
