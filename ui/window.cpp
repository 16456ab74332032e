#include "window.h"

#include "fonts.h"
#include "window_hints.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <chrono>

// The window icon's drawing, `vantorel`.
#include "icon.xpm"

namespace ui {
namespace {

using namespace std::chrono_literals;

// How long after a message has gone the window asks for the focus back.
// xfwm4 hands the focus to another window only after the message has gone,
// and overrides an earlier request; under load 5 ms can be too soon.
constexpr auto focusBackDelay = 100ms;

int toPixels(int twips) {
    return twips * pixelsPerInch / twipsPerInch;
}

QRect toPixels(const Twips &twips) {
    return QRect(toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
                 toPixels(twips.height));
}

// Labels, cells and shapes lie behind the frames, buttons and boxes of their
// container.
bool isBackdrop(const QWidget *widget) {
    return qobject_cast<const Label *>(widget) || qobject_cast<const Shape *>(widget);
}

// What every kind of control takes from its row: place, size, font, name
// and visibility.
void place(QWidget *widget, const Properties &properties, const Twips &twips) {
    widget->setGeometry(toPixels(twips));
    if (properties.font)
        widget->setFont(fontFor(*properties.font));
    if (!properties.accessibleName.empty())
        widget->setAccessibleName(toQString(properties.accessibleName));
    widget->setHidden(!properties.visible);
}

void place(QWidget *widget, const Properties &properties) {
    place(widget, properties, properties.twips);
}

} // namespace

Window::Window(const QString &title, int clientWidth, int clientHeight,
               const core::Colour &backColour) {
    // A fixed dialog frame with a close box only, and no task-bar button
    // (keepOffTaskbar). A dialog is the one kind of window without a task-bar
    // button that openbox focuses when it opens and reaches with Alt+Tab.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(title);
    // Qt's own Wayland frame draws the icon where the long title starts, over
    // its first letters; there the desktop entry shows the icon instead.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        setWindowIcon(QIcon(QPixmap(vantorel)));

    m_client = new Frame(this);
    m_client->setFrameStyle(QFrame::NoFrame);
    m_client->setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    hold({m_client, backColour});
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Window::~Window() = default;

void Window::showScheme(const core::Scheme &scheme, Frame *frame, const DigitRow *cells) {
    m_scheme = SchemeShown{scheme, frame, cells};
    paintScheme(scheme, frame, *cells);
}

void Window::endProgram() {
    if (m_ended)
        return;
    m_ended = true;
    for (Timer *timer : std::as_const(m_timers))
        timer->setEnabled(false);
    if (m_message)
        m_message->close();
    hide();
    emit programEnded();
}

void Window::showMessage(const QString &text) {
    if (!m_message) {
        m_message = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vantorel"), QString(),
                                    QMessageBox::Ok, this);
        m_message->setWindowModality(Qt::NonModal);
        // When the message goes, window managers give the focus to some other
        // window: the window asks for it back.
        connect(m_message, &QMessageBox::finished, this, [this] {
            QTimer::singleShot(focusBackDelay, this, [this] {
                if (!m_ended)
                    activateWindow();
            });
        });
    }
    m_message->setText(text);
    m_message->show(); // never exec(): no event loop may run inside a handler
    m_message->raise();
}

void Window::closeEvent(QCloseEvent *) {
    endProgram();
}

bool Window::event(QEvent *event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
    case QEvent::ApplicationPaletteChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
    case QEvent::ThemeChange:
        recolour();
        break;
    default:
        break;
    }
    return handled;
}

void Window::changeEvent(QEvent *event) {
    // Minimised, the window shows on the task bar, so that it can be found
    // again.
    if (event->type() == QEvent::WindowStateChange)
        showOnTaskbar(this, isMinimized());
    QMainWindow::changeEvent(event);
}

void Window::showEvent(QShowEvent *event) {
    // Before the window is first mapped, when the window manager reads its
    // hints. Asked now, the focus is asked for once the window is mapped:
    // openbox and metacity do not give a new window without a task-bar button
    // the focus by themselves.
    if (!m_shownBefore) {
        keepOffTaskbar(this);
        activateWindow();
    }
    m_shownBefore = true;
    QMainWindow::showEvent(event);
}

// The colours resolve from the application's palette, so the palette a
// platform theme may give each widget does not change them.
void Window::recolour() {
    for (const FrameColour &colour : std::as_const(m_frameColours))
        paint(colour);
    for (const LabelColours &colours : std::as_const(m_labelColours))
        paint(colours);
    if (m_scheme)
        paintScheme(m_scheme->scheme, m_scheme->frame, *m_scheme->cells);
}

// The colours a description gives are held, to be resolved again whenever
// the desktop's palette changes.
void Window::hold(const FrameColour &colour) {
    m_frameColours.append(colour);
    paint(colour);
}

void Window::hold(const LabelColours &colours) {
    m_labelColours.append(colours);
    paint(colours);
}

void Window::paint(const FrameColour &colour) {
    colour.frame->setBackColour(resolveColour(colour.back));
}

void Window::paint(const LabelColours &colours) {
    colours.label->setColours(resolveColour(colours.back), resolveColour(colours.fore));
}

Frame *Window::makeFrame(QWidget *container, const Properties &properties) {
    auto *frame = new Frame(container);
    place(frame, properties);
    hold({frame, properties.backColour.value_or(core::SystemColour::ButtonFace)});
    return frame;
}

DigitRow *Window::makeCells(QWidget *container, const Properties &properties) {
    auto *row = new DigitRow(container);
    Twips twips = properties.twips;
    for (std::size_t i = 0; i < row->cells().size(); ++i) {
        DigitCell *cell = row->cells()[i];
        place(cell, properties, twips);
        setUp(cell, properties);
        cell->setAccessibleName(toQString(properties.accessibleName) + QLatin1Char(' ') +
                                QString::number(i + 1));
        twips.left += properties.cellSpacing;
    }
    return row;
}

Label *Window::makeLabel(QWidget *container, const Properties &properties) {
    auto *label = new Label(container);
    place(label, properties);
    setUp(label, properties);
    return label;
}

void Window::setUp(Label *label, const Properties &properties) {
    label->setCaption(toQString(properties.text));
    label->setNotice(properties.notice);
    if (properties.align == Align::Centre)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    hold({label, properties.backColour.value_or(core::SystemColour::ButtonFace),
          properties.foreColour.value_or(core::SystemColour::ButtonText)});
}

Shape *makeShape(QWidget *container, const Properties &properties) {
    auto *shape = new Shape(container);
    place(shape, properties);
    return shape;
}

Button *makeButton(QWidget *container, const Properties &properties) {
    auto *button = new Button(container);
    place(button, properties);
    button->setText(toQString(properties.text));
    return button;
}

TextBox *makeBox(QWidget *container, const Properties &properties) {
    auto *box = new TextBox(container);
    place(box, properties);
    box->setMaximumCharacters(properties.maxLength);
    box->setText(toQString(properties.text));
    return box;
}

void nameBy(Label *label, TextBox *box) {
    // The buddy also tells assistive technology that the label labels the box.
    label->setBuddy(box);
    box->setAccessibleName(label->text());
}

void Window::stackAndOrder(const QList<QWidget *> &created, const QList<QWidget *> &tabOrder) {
    // Created in table order, so among the labels and shapes of a container
    // later rows lie in front. Raising a control also moves it to the end of
    // its container's children, the order in which assistive technology reads
    // them: the labels and shapes as created, then frames, then the buttons
    // and boxes in tab order.
    for (QWidget *widget : created)
        if (!isBackdrop(widget))
            widget->raise();
    for (QWidget *widget : tabOrder)
        widget->raise();
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    if (!tabOrder.isEmpty())
        tabOrder.front()->setFocus();
}

Timer *Window::addTimer(int interval) {
    auto *timer = new Timer(this);
    timer->setInterval(interval);
    m_timers.append(timer);
    return timer;
}

QMenu *Window::addMenu(std::string_view caption) {
    return menuBar()->addMenu(toQString(caption));
}

} // namespace ui
