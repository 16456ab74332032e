#include "form.h"

#include "colours.h"
#include "controls.h"
#include "fonts.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>

#include <algorithm>
#include <vector>

// The window icon's drawing, `vantorel`.
#include "icon.xpm"

namespace ui {
namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString key(std::string_view name, int index) {
    const QString base = toQString(name);
    return index < 0 ? base : QStringLiteral("%1(%2)").arg(base).arg(index);
}

int toPixels(int twips) {
    return twips / twipsPerPixel;
}

QRect toPixels(const Twips &twips) {
    return QRect(toPixels(twips.left), toPixels(twips.top), toPixels(twips.width),
                 toPixels(twips.height));
}

bool takesFocus(Kind kind) {
    return kind == Kind::Button || kind == Kind::TextBox;
}
bool isBackdrop(Kind kind) {
    return kind == Kind::Label || kind == Kind::Shape;
}

} // namespace

Form::Form(const Window &window, QWidget *parent)
    : QMainWindow(parent), m_name(toQString(window.name)) {
    // A fixed dialog frame with a close box only; a tool window keeps the
    // program off the task bar.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(toQString(window.title));
    // Compiled in as XPM, which Qt reads itself: any image file would go
    // through the image reader, which first asks every image format plugin
    // whether it reads the format, loading each one at every start.
    setWindowIcon(QIcon(QPixmap(vantorel)));
    setObjectName(m_name);

    m_client = new QWidget(this);
    m_client->setObjectName(m_name + QStringLiteral("_client"));
    m_client->setFixedSize(toPixels(window.clientWidth), toPixels(window.clientHeight));
    setBackColor(m_client, window.backColor);
    setCentralWidget(m_client);

    buildMenus(window.menus);
    buildControls(window.controls);
    stackControls(window.controls);
    orderTabs(window.controls);
    nameControls(window.controls);
    for (const TimerRow &row : window.timers) {
        auto *timer = new Timer(this);
        timer->setObjectName(toQString(row.name));
        timer->setInterval(row.interval);
        timer->setEnabled(row.enabled);
        m_timers.insert(toQString(row.name), timer);
    }
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form::~Form() = default;

QWidget *Form::control(std::string_view name, int index) const {
    QWidget *widget = m_controls.value(key(name, index));
    if (!widget)
        missingControl(name);
    return widget;
}

Timer *Form::timer(std::string_view name) const {
    Timer *found = m_timers.value(toQString(name));
    if (!found)
        missingControl(name);
    return found;
}

MenuItem *Form::menuItem(std::string_view name) const {
    MenuItem *found = m_menuItems.value(toQString(name));
    if (!found)
        missingControl(name);
    return found;
}

void Form::missingControl(std::string_view name) {
    // A handler naming a control its window lacks is a programming error.
    qFatal("the window has no control named %.*s of that kind", int(name.size()), name.data());
}

void Form::endProgram() {
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

void Form::showMessage(const QString &text) {
    if (!m_message) {
        m_message = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vantorel"), QString(),
                                    QMessageBox::Ok, this);
        m_message->setWindowModality(Qt::NonModal);
    }
    m_message->setText(text);
    m_message->show(); // never exec(): no event loop may run inside a handler
    m_message->raise();
}

void Form::closeEvent(QCloseEvent *event) {
    endProgram();
    event->accept();
}

void Form::connectEvent(std::string_view name, Event event, std::function<void()> handler) {
    switch (event) {
    case Event::Click:
        if (auto *item = m_menuItems.value(toQString(name))) {
            connect(item, &MenuItem::click, this, handler);
            return;
        }
        connect(control<Button>(name), &QPushButton::clicked, this, handler);
        return;
    case Event::Change:
        connect(control<TextBox>(name), &QLineEdit::textChanged, this, handler);
        return;
    case Event::Timer:
        connect(timer(name), &Timer::timer, this, handler);
        return;
    }
}

void Form::buildMenus(std::span<const Menu> menus) {
    for (const Menu &menu : menus) {
        QMenu *list = menuBar()->addMenu(toQString(menu.caption));
        list->setObjectName(toQString(menu.name));
        for (const MenuItemRow &row : menu.items) {
            QAction *action = list->addAction(toQString(row.caption));
            action->setObjectName(toQString(row.name));
            m_menuItems.insert(toQString(row.name), new MenuItem(action, this));
        }
    }
}

QWidget *Form::createControl(const Control &row, QWidget *container) {
    QWidget *widget = nullptr;
    switch (row.kind) {
    case Kind::Frame:
        widget = new Frame(container);
        break;
    case Kind::Label:
        widget = new Label(container);
        break;
    case Kind::Button:
        widget = new Button(container);
        break;
    case Kind::TextBox:
        widget = new TextBox(container);
        break;
    case Kind::Shape:
        widget = new Shape(container);
        break;
    }
    widget->setObjectName(key(row.name, row.index));
    widget->setGeometry(toPixels(row.twips));
    // The font comes before the text, so that a text box lays its text out once.
    if (row.font) {
        QFont font = fontFor(*row.font);
        // Captions are the program's own Latin text and digits, so they need no
        // fallback fonts; looking those up costs every start. Text boxes keep
        // them for whatever the user types.
        if (row.kind != Kind::TextBox)
            font.setStyleStrategy(QFont::NoFontMerging);
        widget->setFont(font);
    }
    setInitialText(widget, row);
    // Frames and labels own their colours, as they always did: a colour given
    // to a container must not spill into the controls it holds.
    if (row.kind == Kind::Frame || row.kind == Kind::Label) {
        setBackColor(widget, row.backColor.value_or(core::SystemColour::ButtonFace));
        setForeColor(widget, row.foreColor.value_or(core::SystemColour::ButtonText));
    }
    if (!takesFocus(row.kind))
        widget->setFocusPolicy(Qt::NoFocus);
    widget->setHidden(!row.visible);
    return widget;
}

void Form::setInitialText(QWidget *widget, const Control &row) {
    const QString caption = toQString(row.caption);
    if (auto *label = qobject_cast<Label *>(widget)) {
        label->setCaption(caption);
        if (row.align == Align::Centre)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    } else if (auto *button = qobject_cast<Button *>(widget)) {
        button->setText(caption);
    } else if (auto *box = qobject_cast<TextBox *>(widget)) {
        if (row.maxLength > 0)
            box->setMaxLength(row.maxLength);
        box->setText(caption);
    }
}

void Form::buildControls(std::span<const Control> controls) {
    // Containers may come after their contents in the table: create in
    // passes until every control has found its container.
    std::vector<const Control *> pending;
    for (const Control &row : controls)
        pending.push_back(&row);
    while (!pending.empty()) {
        const std::size_t before = pending.size();
        std::erase_if(pending, [this](const Control *row) {
            QWidget *container =
                row->in == m_name.toStdString() ? m_client : m_controls.value(toQString(row->in));
            if (!container)
                return false;
            m_controls.insert(key(row->name, row->index), createControl(*row, container));
            return true;
        });
        if (pending.size() == before)
            qFatal("window description: %s is in an unknown container",
                   qPrintable(toQString(pending.front()->name)));
    }
}

void Form::stackControls(std::span<const Control> controls) {
    // Among the labels and shapes of a container the first row is frontmost;
    // frames, buttons and text boxes always lie in front of them.
    for (auto row = controls.rbegin(); row != controls.rend(); ++row)
        if (isBackdrop(row->kind))
            control(row->name, row->index)->raise();
    for (const Control &row : controls)
        if (!isBackdrop(row.kind))
            control(row.name, row.index)->raise();
}

void Form::nameControls(std::span<const Control> controls) {
    for (const Control &row : controls) {
        QWidget *widget = control(row.name, row.index);
        if (!row.namedBy.empty()) {
            // The buddy also tells assistive technology that the label
            // labels the box.
            auto *label = control<Label>(row.namedBy);
            label->setBuddy(widget);
            widget->setAccessibleName(label->caption());
        } else if (!row.accessibleName.empty()) {
            const QString name = toQString(row.accessibleName);
            widget->setAccessibleName(
                row.index < 0 ? name : QStringLiteral("%1 %2").arg(name).arg(row.index + 1));
        }
    }
}

void Form::orderTabs(std::span<const Control> controls) {
    std::vector<const Control *> focusable;
    for (const Control &row : controls)
        if (takesFocus(row.kind))
            focusable.push_back(&row);
    std::ranges::sort(focusable, {}, &Control::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(control(focusable[i - 1]->name, focusable[i - 1]->index),
                    control(focusable[i]->name, focusable[i]->index));
    if (!focusable.empty())
        control(focusable.front()->name, focusable.front()->index)->setFocus();
}

} // namespace ui
