#pragma once

// The window layer: builds a program's window from its description and gives
// the program's Form1 its controls by name, its timers, its menu items, the
// wiring of events to handlers, and program end.

#include "menu_item.h"
#include "timer.h"
#include "window_description.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <span>
#include <string_view>

#include <QMessageBox>

namespace ui {

enum class Event { Click, Change, Timer };

// One row of a program's event wiring: the control, its event, the handler.
template<typename F> struct EventHandler {
    std::string_view control;
    Event event;
    void (F::*handler)();
};

class Form : public QMainWindow {
    Q_OBJECT
public:
    explicit Form(const Window &window, QWidget *parent = nullptr);
    ~Form() override;

    QWidget *control(std::string_view name, int index = -1) const;
    template<typename T> T *control(std::string_view name, int index = -1) const {
        return checkedCast<T>(control(name, index), name);
    }
    template<typename T, std::size_t N>
    std::array<T *, N> controlArray(std::string_view name) const {
        std::array<T *, N> array{};
        for (std::size_t i = 0; i < N; ++i)
            array[i] = control<T>(name, static_cast<int>(i));
        return array;
    }
    Timer *timer(std::string_view name) const;
    MenuItem *menuItem(std::string_view name) const;

    // Stops every timer at once, closes the window and signals programEnded:
    // no tick reaches the program after this.
    void endProgram();
    bool hasEnded() const { return m_ended; }

    // Tells the user about input the program refuses, in a message that does
    // not block: the handler that calls this runs on to its end.
    void showMessage(const QString &text);
    QMessageBox *message() const { return m_message; }

signals:
    void programEnded();

protected:
    template<typename F> void wire(F *form, std::span<const EventHandler<F>> handlers) {
        for (const EventHandler<F> &row : handlers)
            connectEvent(row.control, row.event,
                         [form, handler = row.handler] { (form->*handler)(); });
    }
    void closeEvent(QCloseEvent *event) override;

private:
    template<typename T> static T *checkedCast(QWidget *widget, std::string_view name) {
        T *typed = qobject_cast<T *>(widget);
        if (!typed)
            missingControl(name);
        return typed;
    }
    [[noreturn]] static void missingControl(std::string_view name);
    void connectEvent(std::string_view name, Event event, std::function<void()> handler);
    void buildMenus(std::span<const Menu> menus);
    void buildControls(std::span<const Control> controls);
    void stackControls(std::span<const Control> controls);
    void orderTabs(std::span<const Control> controls);
    void nameControls(std::span<const Control> controls);
    QWidget *createControl(const Control &row, QWidget *container);
    static void setInitialText(QWidget *widget, const Control &row);

    QWidget *m_client = nullptr;
    QString m_name;
    QHash<QString, QWidget *> m_controls;
    QHash<QString, Timer *> m_timers;
    QHash<QString, MenuItem *> m_menuItems;
    QPointer<QMessageBox> m_message;
    bool m_ended = false;
};

} // namespace ui
