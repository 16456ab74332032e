#pragma once

// The kinds of control a window description can hold, as thin Qt widgets.

#include "window_description.h"

#include "core/digits.h"
#include "core/output.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>
#include <optional>

namespace ui {

class BoxInput;

// An opaque, borderless label. A text wider than the label is drawn narrowed
// to fit rather than cut off, so a "10" in a digit cell reads as 10.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    // The one way to change the text: assistive technology reads it as the
    // label's value when the label has a name of its own ("Digit 1" reads
    // "7"), and hears of every change.
    void setCaption(const QString &caption);
    void setText(const QString &) = delete;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A digit cell: a label that shows a number. It is written only when the
// number changes, so that a row shown again after every tick or spin
// repaints, and tells assistive technology of, just the cells that changed.
class DigitCell : public Label {
    Q_OBJECT
public:
    using Label::Label;

    void showValue(std::int16_t value);

private:
    std::optional<std::int16_t> m_value; // none until a value is first shown
};

// Shows the digits in the row of cells; only the cells whose value changed
// are written.
void showDigits(const CellRow &cells, const core::Digits &digits);
// Shows the cells the pattern says and hides the others.
void showCells(const CellRow &cells, const core::CellVisibility &shown);

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

// A one-line box that keeps out control characters and invisible format
// characters, typed or pasted, and holds at most its maximum number of
// characters without ever cutting one in half. A text wider than the box is
// drawn narrowed until it fits, so that all of it is seen at once; the caret,
// the selection and clicks follow the narrowed characters.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // 0: no limit.
    int maximumCharacters() const;
    void setMaximumCharacters(int count);

    // Marks the text as refused without interrupting the typing: the box is
    // tinted and its tool tip says why, until clearRefusal().
    void showRefusal(const QString &why);
    void clearRefusal();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitText();

    BoxInput *m_input;
    QFont m_font; // as set, before any narrowing
    bool m_fitting = false;
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
