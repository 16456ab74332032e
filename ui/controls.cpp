#include "controls.h"

#include "colours.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace ui {
namespace {

// What assistive technology reads from a label: its name (the accessible
// name given by the window, else the caption) and, as its value, the caption,
// so that a digit cell reads "Digit 1" with value "7".
class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const auto *label = static_cast<const Label *>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? label->caption() : label->accessibleName();
        case QAccessible::Value:
            return label->caption();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface *labelAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String(Label::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new LabelAccessible(static_cast<Label *>(object));
    return nullptr;
}

} // namespace

Label::Label(QWidget *parent) : QLabel(parent) {
    static const bool accessibleLabels = (QAccessible::installFactory(labelAccessible), true);
    Q_UNUSED(accessibleLabels);
    setAutoFillBackground(true); // labels are opaque
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption) {
    setText(caption);
    // QLabel reports a new text as a new name; a label with a name of its own
    // keeps its name and changes its value instead.
    if (QAccessible::isActive() && !accessibleName().isEmpty()) {
        QAccessibleValueChangeEvent event(this, caption);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::setBackColor(core::Colour colour) {
    ui::setBackColor(this, colour);
}
void Label::setForeColor(core::Colour colour) {
    ui::setForeColor(this, colour);
}

Frame::Frame(QWidget *parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken); // an etched line, as a frame without caption
}

void Frame::setBackColor(core::Colour colour) {
    ui::setBackColor(this, colour);
}

Button::Button(QWidget *parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

void TextBox::showRefusal(const QString &why) {
    if (!m_refused) {
        m_normalPalette = palette();
        m_normalToolTip = toolTip();
    }
    QPalette tinted = m_normalPalette;
    tinted.setColor(QPalette::Base, QColor(255, 205, 205));
    tinted.setColor(QPalette::Text, Qt::black);
    setPalette(tinted);
    setToolTip(why);
    m_refused = true;
}

void TextBox::clearRefusal() {
    if (!m_refused)
        return;
    setPalette(m_normalPalette);
    setToolTip(m_normalToolTip);
    m_refused = false;
}

Shape::Shape(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ui
