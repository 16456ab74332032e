#include "menu_item.h"

#include <QAction>

namespace ui {

MenuItem::MenuItem(QAction *action, QObject *parent) : QObject(parent), m_action(action) {
    connect(m_action, &QAction::triggered, this, &MenuItem::onTriggered);
}

void MenuItem::setChecked(bool checked) {
    m_checked = checked;
    // An item the program checks or unchecks is a check item from then on,
    // also to assistive technology; an item it never checks stays plain.
    m_action->setCheckable(true);
    m_action->setChecked(checked);
}

void MenuItem::onTriggered() {
    m_action->setChecked(m_checked);
    emit click();
}

} // namespace ui
