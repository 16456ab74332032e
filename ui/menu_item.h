#pragma once

#include <QObject>

class QAction;

namespace ui {

// A menu item whose check mark only the program sets: Qt's own toggling on a
// click is undone before the program's handler runs.
class MenuItem : public QObject {
    Q_OBJECT
public:
    // A check item shows and tells assistive technology whether it is
    // checked; a plain item never is.
    enum class Mark { None, Check };

    MenuItem(QAction *action, Mark mark, QObject *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

signals:
    void triggered();

private:
    void onTriggered();

    QAction *m_action;
    bool m_checked = false;
};

} // namespace ui
