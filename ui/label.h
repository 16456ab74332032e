#pragma once

// The labels of a window, and the digit cells, which are labels that show a
// number.

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

    void setCaption(const QString &caption);
    void setText(const QString &) = delete;

    // A notice is heard when it appears; other labels are read as text.
    bool isNotice() const { return m_notice; }
    void setNotice(bool notice) { m_notice = notice; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_back;
    QColor m_fore;
    bool m_notice = false;
};

// A digit cell: a label that shows a number, written only when the number
// changes, so that a row shown again after every tick or spin repaints just
// the cells that changed. Its row (DigitRow) shows the values and tells
// assistive technology.
class DigitCell : public Label {
    Q_OBJECT
public:
    using Label::Label;

    std::optional<std::int16_t> value() const { return m_value; }
    void showValue(std::int16_t value);

private:
    std::optional<std::int16_t> m_value; // none until a value is first shown
};

} // namespace ui
