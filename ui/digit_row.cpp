#include "digit_row.h"

#include "accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <chrono>

namespace ui {
namespace {

using namespace std::chrono_literals;

// Orca 43 on a two-core machine falls behind between ten and twenty readings
// a second; one a second leaves it room for the user's own keys.
constexpr auto readingPace = 1000ms;
// Orca cuts off what it is saying for a notification: what the user's own
// key made it say comes first.
constexpr auto quietAfterInput = 1500ms;

// What is left of the span since the moment; nothing if there was none.
qint64 left(const QElapsedTimer &since, std::chrono::milliseconds span) {
    return since.isValid() ? span.count() - since.elapsed() : 0;
}

} // namespace

DigitRow::DigitRow(QWidget *container) : QWidget(container) {
    installAccessibility();
    // Heard, never seen: no size, no clicks, no focus, and shown only to be
    // heard.
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (DigitCell *&cell : m_cells)
        cell = new DigitCell(container);
    m_nextReading.setSingleShot(true);
    connect(&m_nextReading, &QTimer::timeout, this, &DigitRow::read);
    qApp->installEventFilter(this);
}

void DigitRow::showDigits(const core::Digits &digits, Reading reading) {
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        m_cells[i]->showValue(digits[i]);
    if (reading == Reading::Now) {
        m_nextReading.stop();
        read();
    } else {
        schedule();
    }
}

void DigitRow::showCells(const core::CellVisibility &shown) {
    for (std::size_t i = 0; i < m_cells.size(); ++i)
        m_cells[i]->setVisible(shown[i]);
}

void DigitRow::cancelReading() {
    m_nextReading.stop();
}

// A paced reading comes when the pace since the last one and the quiet after
// the user's last key or click are over, and reads the digits shown then. A
// window in the background is not read: its user is busy elsewhere.
void DigitRow::schedule() {
    if (m_nextReading.isActive() || !window()->isActiveWindow())
        return;
    m_nextReading.start(int(std::max(
        {left(m_sinceReading, readingPace), left(m_sinceUserInput, quietAfterInput), qint64(0)})));
}

bool DigitRow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) {
        m_sinceUserInput.restart();
        if (m_nextReading.isActive())
            m_nextReading.start(
                std::max(int(quietAfterInput.count()), m_nextReading.remainingTime()));
    }
    return QWidget::eventFilter(watched, event);
}

// The cells whose value changed since the last reading tell so, each once;
// then the row is shown anew under its new name, which Orca speaks. The name
// change goes first: Qt's bridge sends it without the new text, which makes
// other clients drop the name they remember.
void DigitRow::read() {
    m_sinceReading.restart();
    if (!QAccessible::isActive())
        return;
    QStringList shown;
    for (std::size_t i = 0; i < m_cells.size(); ++i) {
        DigitCell *cell = m_cells[i];
        if (cell->value() != m_heard[i]) {
            m_heard[i] = cell->value();
            QAccessibleValueChangeEvent changed(cell, cell->text());
            QAccessible::updateAccessibility(&changed);
        }
        if (!cell->isHidden())
            shown.append(cell->text());
    }
    hide();
    m_reading = shown.join(QLatin1Char(' '));
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    show();
}

} // namespace ui
