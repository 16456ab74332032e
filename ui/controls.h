#pragma once

// The kinds of control a window description can hold, as thin Qt widgets.

#include "label.h"
#include "text_box.h"

#include <QFrame>
#include <QPushButton>

namespace ui {

// An opaque frame in the colour the window gives it (see Label), with an
// etched line round it unless told otherwise.
class Frame : public QFrame {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);

    void setBackColour(const QColor &back);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_back;
};

// Never a default button; Enter presses it when it has the focus, as Space does.
class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A decorative outline. It lets clicks through and, lying in front of the
// digit cells, never paints over them.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
