#pragma once

// The window layer: builds a program's window from its description into the
// program's struct of typed controls, and gives the window class menu items,
// messages that do not block, and program end.

#include "controls.h"
#include "menu_item.h"
#include "text.h"
#include "timer.h"
#include "window_description.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <type_traits>

class QMenu;
class QMessageBox;

namespace ui {

class Window : public QMainWindow {
    Q_OBJECT
public:
    ~Window() override;

signals:
    // After "Exit" or the close box: every timer has stopped and the window
    // is gone, so the program can end.
    void programEnded();

protected:
    // The window itself: title, client area and background. build() then
    // makes what the description holds.
    template<typename Controls>
    explicit Window(const WindowDescription<Controls> &description)
        : Window(toQString(description.title), description.clientWidth, description.clientHeight,
                 description.backColour) {}

    // Makes every control, timer and menu of the description, and returns
    // them in the program's struct.
    template<typename Controls> Controls build(const WindowDescription<Controls> &description);

    MenuItem *addMenuItem(QMenu *menu, std::string_view caption, MenuItem::Mark mark);

    // Stops every timer at once, closes the window and signals programEnded:
    // no tick reaches the program after this.
    void endProgram();

    // Tells the user about input the program refuses, in a message that does
    // not block: the handler that calls this runs on to its end.
    void showMessage(const QString &text);

    void closeEvent(QCloseEvent *event) override;
    // A new palette (the desktop turned dark, say) colours the window anew.
    void changeEvent(QEvent *event) override;

private:
    // A background and a text colour the description gives a widget, resolved
    // again when the desktop's palette changes.
    struct Colours {
        QWidget *widget;
        core::Colour back;
        std::optional<core::Colour> fore;
    };
    void colour(const Colours &colours);
    static void paint(const Colours &colours);

    // What a row says of its control, whatever its kind.
    struct Look {
        Twips twips;
        QString text;
        std::optional<Font> font;
        Align align;
        bool visible;
        std::optional<core::Colour> backColour;
        std::optional<core::Colour> foreColour;
        int maxLength;
        QString accessibleName;
    };
    template<typename Controls> static Look lookOf(const Control<Controls> &row);

    Window(const QString &title, int clientWidth, int clientHeight, const core::Colour &backColour);

    template<typename W> W *create(W *&slot, QWidget *container, const Look &look) {
        slot = new W(container);
        setUp(slot, look);
        return slot;
    }
    void setUp(Frame *frame, const Look &look);
    void setUp(Label *label, const Look &look);
    static void setUp(Button *button, const Look &look);
    static void setUp(TextBox *box, const Look &look);
    static void setUp(Shape *shape, const Look &look);
    static void place(QWidget *widget, const Look &look);

    static void nameBy(Label *label, QWidget *widget);
    void stackAndOrder(const QList<QWidget *> &created, const QList<QWidget *> &tabOrder);
    Timer *addTimer(int interval);
    QMenu *addMenu(std::string_view caption);

    QWidget *m_client = nullptr;
    QList<Timer *> m_timers;
    QList<Colours> m_colours;
    QPointer<QMessageBox> m_message;
    bool m_ended = false;
};

template<typename Controls> Window::Look Window::lookOf(const Control<Controls> &row) {
    QString name = toQString(row.accessibleName);
    if (row.index >= 0)
        name += QLatin1Char(' ') + QString::number(row.index + 1);
    return {row.twips,      toQString(row.text), row.font,      row.align, row.visible,
            row.backColour, row.foreColour,      row.maxLength, name};
}

template<typename Controls> Controls Window::build(const WindowDescription<Controls> &description) {
    Controls controls{};
    QList<QWidget *> created;
    for (const Control<Controls> &row : description.controls) {
        // A container comes before what it holds.
        QWidget *container = row.in ? controls.*row.in : m_client;
        Q_ASSERT(container);
        const Look look = lookOf(row);
        created.append(std::visit(
            [&](auto member) -> QWidget * {
                auto &slot = controls.*member;
                if constexpr (std::is_same_v<std::remove_reference_t<decltype(slot)>, CellRow>)
                    return create(slot.at(std::size_t(row.index)), container, look);
                else
                    return create(slot, container, look);
            },
            row.handle));
    }
    for (qsizetype i = 0; i < created.size(); ++i)
        if (const auto namedBy = description.controls[std::size_t(i)].namedBy)
            nameBy(controls.*namedBy, created[i]);

    QList<QWidget *> tabOrder;
    for (const TabStop<Controls> &stop : description.tabOrder)
        tabOrder.append(
            std::visit([&](auto member) -> QWidget * { return controls.*member; }, stop));
    stackAndOrder(created, tabOrder);

    for (const TimerRow<Controls> &row : description.timers)
        controls.*row.handle = addTimer(row.interval);
    for (const Menu<Controls> &row : description.menus)
        controls.*row.handle = addMenu(row.caption);
    return controls;
}

} // namespace ui
