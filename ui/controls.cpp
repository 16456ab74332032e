#include "controls.h"

#include "colours.h"

#include <QPainter>

namespace ui {

Label::Label(QWidget *parent) : QLabel(parent) {
    setAutoFillBackground(true); // labels are opaque
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setTextFormat(Qt::PlainText);
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
