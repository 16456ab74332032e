#include "label.h"

#include "accessibility.h"

#include <QPainter>

namespace ui {

Label::Label(QWidget *parent) : QLabel(parent) {
    installAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel in its own colours
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption) {
    QLabel::setText(caption);
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

} // namespace ui
