#pragma once

// The row of digit cells, and what a screen reader hears of it.

#include "label.h"

#include "core/digits.h"
#include "core/output.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

namespace ui {

// Shows the five values in the cells, and reads the digits shown to a screen
// reader: "3 4 1 5 8", hidden cells left out.
//
// Orca speaks a notification when it appears, but nothing of a label whose
// value changes while the focus is elsewhere; so the row is also a widget
// nobody sees, a notification whose name is the reading, shown anew for each
// one. Readings come at once for what the user asked for, and paced for what
// a timer does: a screen reader that hears more than about ten things a
// second falls behind, and then the user's own keys go unheard for seconds.
class DigitRow : public QWidget {
    Q_OBJECT
public:
    enum class Reading {
        Now,   // the user asked for it: "Spin", a batch, "Zero"
        Paced, // a timer's tick: at most one reading a second, the latest, and
               // none just after the user's own key or click
    };

    using Cells = std::array<DigitCell *, core::cellCount>;

    // Makes the five cells in the container, where the window places them.
    explicit DigitRow(QWidget *container);

    const Cells &cells() const { return m_cells; }

    // The one way to show values: only the cells whose value changed are
    // written, and a screen reader hears the digits shown.
    void showDigits(const core::Digits &digits, Reading reading);
    void showCells(const core::CellVisibility &shown);
    // Drops a paced reading not yet heard, so that what follows (a notice)
    // is heard last.
    void cancelReading();

    // What a screen reader hears now.
    QString reading() const { return m_reading; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void read();
    void schedule();

    Cells m_cells{};
    std::array<std::optional<std::int16_t>, core::cellCount> m_heard{};
    QString m_reading;
    QTimer m_nextReading;
    QElapsedTimer m_sinceReading;
    QElapsedTimer m_sinceUserInput;
};

} // namespace ui
