#pragma once

// The window layer: builds a program's window from its description and gives
// the program's window class its controls, timers and menu items by name,
// messages that do not block, and program end.

#include "menu_item.h"
#include "timer.h"
#include "window_description.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <string_view>

class QMessageBox;

namespace ui {

class Window : public QMainWindow {
    Q_OBJECT
public:
    explicit Window(const WindowDescription &description, QWidget *parent = nullptr);
    ~Window() override;

signals:
    // After "Exit" or the close box: every timer has stopped and the window
    // is gone, so the program can end.
    void programEnded();

protected:
    template<typename T> T *control(std::string_view name) const {
        return checked(qobject_cast<T *>(m_controls.value(toQString(name))), name);
    }
    template<typename T, std::size_t N> std::array<T *, N> controlRow(std::string_view name) const {
        std::array<T *, N> row{};
        for (std::size_t i = 0; i < N; ++i)
            row[i] = checked(qobject_cast<T *>(m_controls.value(elementName(name, int(i)))), name);
        return row;
    }
    Timer *timer(std::string_view name) const;
    QList<MenuItem *> menuItems(std::string_view menu) const;

    // Stops every timer at once, closes the window and signals programEnded:
    // no tick reaches the program after this.
    void endProgram();

    // Tells the user about input the program refuses, in a message that does
    // not block: the handler that calls this runs on to its end.
    void showMessage(const QString &text);

    void closeEvent(QCloseEvent *event) override;

private:
    static QString toQString(std::string_view text);
    static QString elementName(std::string_view name, int index);
    template<typename T> static T *checked(T *found, std::string_view name) {
        if (!found)
            missing(name);
        return found;
    }
    [[noreturn]] static void missing(std::string_view name);

    void buildMenus(const WindowDescription &description);
    void buildControls(const WindowDescription &description);
    QWidget *createControl(const Control &row, QWidget *container);
    void stackControls(const WindowDescription &description);
    void orderTabs(const WindowDescription &description);
    void nameForAssistiveTechnology(const WindowDescription &description);

    QWidget *m_client = nullptr;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, Timer *> m_timers;
    QHash<QString, QList<MenuItem *>> m_menuItems;
    QPointer<QMessageBox> m_message;
    bool m_ended = false;
};

} // namespace ui
