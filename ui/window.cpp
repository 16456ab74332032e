#include "window.h"

#include "colours.h"
#include "controls.h"
#include "fonts.h"

#include <QCloseEvent>
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
bool isBackdrop(Kind kind) {
    return kind == Kind::Label || kind == Kind::Shape;
}

} // namespace

QString Window::toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Window::elementName(std::string_view name, int index) {
    return index < 0 ? toQString(name) : toQString(name) + QString::number(index + 1);
}

Window::Window(const WindowDescription &description, QWidget *parent) : QMainWindow(parent) {
    // A fixed dialog frame with a close box only. A tool window stays off the
    // task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(toQString(description.title));
    setWindowIcon(QIcon(QPixmap(vantorel)));

    m_client = new QWidget(this);
    m_client->setFixedSize(toPixels(description.clientWidth), toPixels(description.clientHeight));
    setBackColor(m_client, description.backColor);
    setCentralWidget(m_client);

    buildMenus(description);
    buildControls(description);
    stackControls(description);
    orderTabs(description);
    nameForAssistiveTechnology(description);
    for (const TimerRow &row : description.timers) {
        auto *timer = new Timer(this);
        timer->setObjectName(toQString(row.name));
        timer->setInterval(row.interval);
        m_timers.insert(timer->objectName(), timer);
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Window::~Window() = default;

Timer *Window::timer(std::string_view name) const {
    return checked(m_timers.value(toQString(name)), name);
}

QList<MenuItem *> Window::menuItems(std::string_view menu) const {
    const auto items = m_menuItems.constFind(toQString(menu));
    if (items == m_menuItems.constEnd())
        missing(menu);
    return *items;
}

void Window::missing(std::string_view name) {
    // A window class asking for a control its description lacks is a
    // programming error, found the first time the window opens.
    qFatal("the window has no %.*s of that kind", int(name.size()), name.data());
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

void Window::buildMenus(const WindowDescription &description) {
    for (const Menu &menu : description.menus) {
        QMenu *list = menuBar()->addMenu(toQString(menu.caption));
        list->setObjectName(toQString(menu.name));
        QList<MenuItem *> &items = m_menuItems[list->objectName()];
        for (std::string_view caption : menu.items)
            items.append(new MenuItem(list->addAction(toQString(caption)), this));
    }
}

void Window::buildControls(const WindowDescription &description) {
    // Created in table order, so among the labels and shapes of a container
    // later rows lie in front. A container comes before what it holds.
    for (const Control &row : description.controls) {
        QWidget *container = row.in.empty() ? m_client : m_controls.value(toQString(row.in));
        if (!container)
            missing(row.in);
        QWidget *widget = createControl(row, container);
        m_controls.insert(widget->objectName(), widget);
    }
}

QWidget *Window::createControl(const Control &row, QWidget *container) {
    QWidget *widget = nullptr;
    const QString text = toQString(row.text);
    switch (row.kind) {
    case Kind::Frame:
        widget = new Frame(container);
        break;
    case Kind::Label: {
        auto *label = new Label(container);
        label->setCaption(text);
        if (row.align == Align::Centre)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        widget = label;
        break;
    }
    case Kind::Button:
        widget = new Button(container);
        static_cast<Button *>(widget)->setText(text);
        break;
    case Kind::TextBox: {
        auto *box = new TextBox(container);
        box->setMaximumCharacters(row.maxLength);
        box->setText(text);
        widget = box;
        break;
    }
    case Kind::Shape:
        widget = new Shape(container);
        break;
    }
    widget->setObjectName(elementName(row.name, row.index));
    widget->setGeometry(toPixels(row.twips));
    if (row.font)
        widget->setFont(fontFor(*row.font));
    // Frames and labels own their colours: a colour given to a container
    // must not spill into the controls it holds.
    if (row.kind == Kind::Frame || row.kind == Kind::Label) {
        setBackColor(widget, row.backColor.value_or(core::SystemColour::ButtonFace));
        setForeColor(widget, row.foreColor.value_or(core::SystemColour::ButtonText));
    }
    if (row.kind != Kind::Button && row.kind != Kind::TextBox)
        widget->setFocusPolicy(Qt::NoFocus);
    widget->setHidden(!row.visible);
    return widget;
}

void Window::stackControls(const WindowDescription &description) {
    // Raising a control also moves it to the end of its container's children,
    // the order in which assistive technology reads them: the labels and
    // shapes as created, then frames, then the buttons and boxes in tab order.
    for (const Control &row : description.controls)
        if (!isBackdrop(row.kind))
            m_controls.value(elementName(row.name, row.index))->raise();
    for (std::string_view name : description.tabOrder)
        control<QWidget>(name)->raise();
}

void Window::orderTabs(const WindowDescription &description) {
    const std::span<const std::string_view> order = description.tabOrder;
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(control<QWidget>(order[i - 1]), control<QWidget>(order[i]));
    if (!order.empty())
        control<QWidget>(order.front())->setFocus();
}

void Window::nameForAssistiveTechnology(const WindowDescription &description) {
    for (const Control &row : description.controls) {
        QWidget *widget = m_controls.value(elementName(row.name, row.index));
        if (!row.namedBy.empty()) {
            // The buddy also tells assistive technology that the label
            // labels the box.
            auto *label = control<Label>(row.namedBy);
            label->setBuddy(widget);
            widget->setAccessibleName(label->text());
        } else if (!row.accessibleName.empty()) {
            widget->setAccessibleName(row.index < 0
                                          ? toQString(row.accessibleName)
                                          : toQString(row.accessibleName) + QLatin1Char(' ') +
                                                QString::number(row.index + 1));
        }
    }
}

} // namespace ui
