#pragma once

// The controls a window description can hold, as thin Qt widgets that keep
// the property names the programs use (Caption, BackColor, ForeColor, Text).

#include "core/colour.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    // Assistive technology reads the caption as the label's value.
    QString caption() const { return text(); }
    void setCaption(const QString &caption);
    void setBackColor(core::Colour colour);
    void setForeColor(core::Colour colour);
};

class Frame : public QFrame {
    Q_OBJECT
public:
    explicit Frame(QWidget *parent = nullptr);

    void setBackColor(core::Colour colour);
};

class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(QWidget *parent = nullptr);
};

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // Marks the text as refused without interrupting the typing: the box is
    // tinted and its tool tip says why, until clearRefusal().
    void showRefusal(const QString &why);
    void clearRefusal();
    bool isRefused() const { return m_refused; }

private:
    QPalette m_normalPalette;
    QString m_normalToolTip;
    bool m_refused = false;
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
