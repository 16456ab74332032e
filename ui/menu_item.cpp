#include "menu_item.h"

#include <QAction>

namespace ui {

MenuItem::MenuItem(QAction *action, Mark mark, QObject *parent)
    : QObject(parent), m_action(action) {
    m_action->setCheckable(mark == Mark::Check);
    connect(m_action, &QAction::triggered, this, &MenuItem::onTriggered);
}

void MenuItem::setChecked(bool checked) {
    m_checked = checked;
    m_action->setChecked(checked);
}

void MenuItem::onTriggered() {
    setChecked(m_checked);
    emit triggered();
}

} // namespace ui
