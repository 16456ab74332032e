#include "menu_item.h"

#include <QAction>

namespace ui {

MenuItem::MenuItem(QAction *action, QObject *parent) : QObject(parent), m_action(action) {
    connect(m_action, &QAction::triggered, this, &MenuItem::onTriggered);
}

void MenuItem::setChecked(bool checked) {
    m_checked = checked;
    // Only a checked item is checkable, so unchecked items show no empty box.
    m_action->setCheckable(checked);
    m_action->setChecked(checked);
}

void MenuItem::onTriggered() {
    setChecked(m_checked);
    emit click();
}

} // namespace ui
