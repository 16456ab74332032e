#pragma once

// The kinds of control a window description can hold, as thin Qt widgets.

#include "label.h"
#include "text_box.h"

#include <QFrame>
#include <QPushButton>

namespace ui {

class Frame : public QFrame {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);
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
