#include "window.h"

#include "colours.h"
#include "fonts.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>

// The window icon's drawing, `vantorel`.
#include "icon.xpm"

namespace ui {
namespace {

int toPixels(int twips) {
    return twips / twipsPerPixel;
}

QRect toPixels(const Twips &twips) {
    return QRect(toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
                 toPixels(twips.height));
}

// Labels and shapes lie behind the frames, buttons and boxes of their container.
bool isBackdrop(const QWidget *widget) {
    return qobject_cast<const Label *>(widget) || qobject_cast<const Shape *>(widget);
}

} // namespace

Window::Window(const QString &title, int clientWidth, int clientHeight,
               const core::Colour &backColour) {
    // A fixed dialog frame with a close box only. A tool window stays off the
    // task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(title);
    setWindowIcon(QIcon(QPixmap(vantorel)));

    m_client = new QWidget(this);
    m_client->setFixedSize(toPixels(clientWidth), toPixels(clientHeight));
    colour({m_client, backColour, std::nullopt});
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Window::~Window() = default;

MenuItem *Window::addMenuItem(QMenu *menu, std::string_view caption, MenuItem::Mark mark) {
    return new MenuItem(menu->addAction(toQString(caption)), mark, this);
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
    }
    m_message->setText(text);
    m_message->show(); // never exec(): no event loop may run inside a handler
    m_message->raise();
}

void Window::closeEvent(QCloseEvent *) {
    endProgram();
}

void Window::changeEvent(QEvent *event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        for (const Colours &colours : std::as_const(m_colours))
            paint(colours);
    QMainWindow::changeEvent(event);
}

// Frames and labels own their colours: a colour given to a container must
// not spill into the controls it holds.
void Window::colour(const Colours &colours) {
    m_colours.append(colours);
    paint(colours);
}

void Window::paint(const Colours &colours) {
    setBackColour(colours.widget, colours.back);
    if (colours.fore)
        setForeColour(colours.widget, *colours.fore);
}

void Window::place(QWidget *widget, const Look &look) {
    widget->setGeometry(toPixels(look.twips));
    if (look.font)
        widget->setFont(fontFor(*look.font));
    if (!look.accessibleName.isEmpty())
        widget->setAccessibleName(look.accessibleName);
    widget->setHidden(!look.visible);
}

void Window::setUp(Frame *frame, const Look &look) {
    place(frame, look);
    colour({frame, look.backColour.value_or(core::SystemColour::ButtonFace), std::nullopt});
    frame->setFocusPolicy(Qt::NoFocus);
}

void Window::setUp(Label *label, const Look &look) {
    place(label, look);
    label->setCaption(look.text);
    if (look.align == Align::Centre)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    colour({label, look.backColour.value_or(core::SystemColour::ButtonFace),
            look.foreColour.value_or(core::SystemColour::ButtonText)});
    label->setFocusPolicy(Qt::NoFocus);
}

void Window::setUp(Button *button, const Look &look) {
    place(button, look);
    button->setText(look.text);
}

void Window::setUp(TextBox *box, const Look &look) {
    place(box, look);
    box->setMaximumCharacters(look.maxLength);
    box->setText(look.text);
}

void Window::setUp(Shape *shape, const Look &look) {
    place(shape, look);
}

void Window::nameBy(Label *label, QWidget *widget) {
    // The buddy also tells assistive technology that the label labels the box.
    label->setBuddy(widget);
    widget->setAccessibleName(label->text());
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
