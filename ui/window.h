#pragma once

// The window layer: builds a program's window from its description into the
// program's struct of typed controls, and gives the window class colour
// schemes, messages that do not block, and program end.

#include "colours.h"
#include "controls.h"
#include "digit_row.h"
#include "text.h"
#include "timer.h"
#include "window_description.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <optional>

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

    // Shows a colour scheme on a frame and the cells in it, in place of the
    // colours the description gives them, until another scheme is shown.
    void showScheme(const core::Scheme &scheme, Frame *frame, const DigitRow *cells);

    // Stops every timer at once, closes the window and signals programEnded:
    // no tick reaches the program after this.
    void endProgram();

    // Tells the user about input the program refuses, in a message that does
    // not block: the handler that calls this runs on to its end.
    void showMessage(const QString &text);

    // A new palette, style or theme (the desktop turned dark, say, or a
    // platform theme's settings reloaded) colours the window anew.
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The colours the description gives a frame, and a label and its text.
    struct FrameColour {
        Frame *frame;
        core::Colour back;
    };
    struct LabelColours {
        Label *label;
        core::Colour back;
        core::Colour fore;
    };
    struct SchemeShown {
        core::Scheme scheme;
        Frame *frame;
        const DigitRow *cells;
    };

    Window(const QString &title, int clientWidth, int clientHeight, const core::Colour &backColour);

    // Every colour as the desktop's palette now resolves it: the
    // description's, then the scheme shown over them.
    void recolour();
    void hold(const FrameColour &colour);
    void hold(const LabelColours &colours);
    static void paint(const FrameColour &colour);
    static void paint(const LabelColours &colours);

    Frame *makeFrame(QWidget *container, const Properties &properties);
    DigitRow *makeCells(QWidget *container, const Properties &properties);
    Label *makeLabel(QWidget *container, const Properties &properties);
    void setUp(Label *label, const Properties &properties);

    void stackAndOrder(const QList<QWidget *> &created, const QList<QWidget *> &tabOrder);
    Timer *addTimer(int interval);
    QMenu *addMenu(std::string_view caption);

    Frame *m_client = nullptr;
    QList<Timer *> m_timers;
    QList<FrameColour> m_frameColours;
    QList<LabelColours> m_labelColours;
    std::optional<SchemeShown> m_scheme;
    QPointer<QMessageBox> m_message;
    bool m_shownBefore = false;
    bool m_ended = false;
};

// The controls without a colour of their own in the description, which
// need nothing from the window: made alone.
Shape *makeShape(QWidget *container, const Properties &properties);
Button *makeButton(QWidget *container, const Properties &properties);
TextBox *makeBox(QWidget *container, const Properties &properties);
// The label's text names the box, to assistive technology too.
void nameBy(Label *label, TextBox *box);

template<typename Controls> Controls Window::build(const WindowDescription<Controls> &description) {
    Controls controls{};
    QList<QWidget *> created;
    QMap<int, QWidget *> tabStops;
    for (const Control<Controls> &row : description.controls) {
        // A container comes before what it holds.
        QWidget *container = row.in ? controls.*row.in : m_client;
        Q_ASSERT(container);
        const Properties &properties = row.properties;
        if (row.frame)
            created.append(controls.*row.frame = makeFrame(container, properties));
        if (row.cells)
            for (DigitCell *cell :
                 (controls.*row.cells = makeCells(container, properties))->cells())
                created.append(cell);
        if (row.label)
            created.append(controls.*row.label = makeLabel(container, properties));
        if (row.shape)
            created.append(controls.*row.shape = makeShape(container, properties));
        if (row.button)
            created.append(controls.*row.button = makeButton(container, properties));
        if (row.box)
            created.append(controls.*row.box = makeBox(container, properties));
        if (properties.tabIndex > 0)
            tabStops.insert(properties.tabIndex, created.last());
    }
    for (const Control<Controls> &row : description.controls)
        if (row.namedBy)
            nameBy(controls.*row.namedBy, controls.*row.box);
    stackAndOrder(created, tabStops.values());

    for (const TimerRow<Controls> &row : description.timers)
        controls.*row.handle = addTimer(row.interval);
    for (const Menu<Controls> &row : description.menus)
        controls.*row.handle = addMenu(row.caption);
    return controls;
}

} // namespace ui
