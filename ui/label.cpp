#include "label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace ui {
namespace {

// What assistive technology reads from a label: its name (the accessible
// name given by the window, else the text) and, as its value, the text, so
// that a digit cell reads "Digit 1" with value 7. Qt's AT-SPI bridge passes
// on no value text, so a label with a name of its own also offers the value
// interface: a screen reader reads the number, and hears of its changes.
class LabelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LabelAccessible(Label *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && !widget()->accessibleName().isEmpty())
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return text(QAccessible::Value); }
    void setCurrentValue(const QVariant &) override {}    // read only
    QVariant maximumValue() const override { return {}; } // a caption has no range
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

    QString text(QAccessible::Text kind) const override {
        const auto *label = static_cast<const Label *>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        case QAccessible::Value:
            return label->text();
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
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel in its own colours
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption) {
    QLabel::setText(caption);
    // QLabel reports a new text as a new name; a label with a name of its own
    // keeps its name and changes its value instead.
    if (QAccessible::isActive() && !accessibleName().isEmpty()) {
        QAccessibleValueChangeEvent event(this, caption);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::setColours(const QColor &back, const QColor &fore) {
    if (back == m_back && fore == m_fore)
        return;
    m_back = back;
    m_fore = fore;
    update();
}

void Label::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), m_back);
    painter.setPen(m_fore);
    const QRectF room = contentsRect();
    const qreal needed = QFontMetricsF(font(), this).horizontalAdvance(text());
    if (needed > room.width()) { // narrowed to fit
        painter.translate(room.topLeft());
        painter.scale(room.width() / needed, 1.0);
        painter.drawText(QRectF(0, 0, needed, room.height()), int(alignment()), text());
        return;
    }
    painter.drawText(room, int(alignment()), text());
}

void DigitCell::showValue(std::int16_t value) {
    if (value == m_value)
        return;
    m_value = value;
    setCaption(QString::number(value));
}

void showDigits(const CellRow &cells, const core::Digits &digits) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i]->showValue(digits[i]);
}

void showCells(const CellRow &cells, const core::CellVisibility &shown) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i]->setVisible(shown[i]);
}

} // namespace ui
