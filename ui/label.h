#pragma once

// The labels of a window, and the digit cells, which are labels that show a
// number.

#include "window_description.h"

#include "core/digits.h"
#include "core/output.h"

#include <QLabel>

#include <cstdint>
#include <optional>

namespace ui {

// An opaque, borderless label. A text wider than the label is drawn narrowed
// to fit rather than cut off, so a "10" in a digit cell reads as 10.
//
// Labels, like frames, paint the colours the window gives them, not their
// palette's: a platform theme may give every widget a palette of its own at
// any moment (qt6ct does at each reload of its settings), which must not undo
// the program's colours.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr);

    void setColours(const QColor &back, const QColor &fore);

    // The one way to change the text: assistive technology reads it as the
    // label's value when the label has a name of its own ("Digit 1" reads
    // "7"), and hears of every change.
    void setCaption(const QString &caption);
    void setText(const QString &) = delete;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_back;
    QColor m_fore;
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

} // namespace ui
