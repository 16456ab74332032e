#pragma once

#include <QObject>

class QAction;

namespace ui {

// A menu item whose check mark only the program sets: Qt's own toggling on a
// click is undone before the program's handler runs. It becomes a check item
// when the program first checks or unchecks it.
class MenuItem : public QObject {
    Q_OBJECT
public:
    MenuItem(QAction *action, QObject *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    QAction *action() const { return m_action; }

signals:
    void click();

private:
    void onTriggered();

    QAction *m_action;
    bool m_checked = false;
};

} // namespace ui
