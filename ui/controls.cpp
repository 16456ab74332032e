#include "controls.h"

#include "accessibility.h"

#include <QKeyEvent>
#include <QPainter>

namespace ui {

Frame::Frame(QWidget *parent) : QFrame(parent) {
    installAccessibility();
    setFrameStyle(QFrame::Box | QFrame::Sunken); // an etched line, as a frame without caption
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Frame::setBackColour(const QColor &back) {
    if (back == m_back)
        return;
    m_back = back;
    update();
}

void Frame::paintEvent(QPaintEvent *event) {
    QPainter(this).fillRect(rect(), m_back);
    QFrame::paintEvent(event); // the line, in the desktop's colours
}

Button::Button(QWidget *parent) : QPushButton(parent) {
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void Button::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

Shape::Shape(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // A one-pixel line along the inside of the edges, whatever the scale:
    // a line centred on the edge itself loses its outer half to the clip.
    const qreal width = 1.0;
    painter.setPen(QPen(palette().color(QPalette::Mid), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

} // namespace ui
