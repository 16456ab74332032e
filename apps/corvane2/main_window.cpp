#include "main_window.h"

#include "description.h"

#include "core/conversions.h"

#include <utility>

namespace corvane2 {

MainWindow::MainWindow(core::Draw draw)
    : CountdownWindow(description, {.choices = schemeChoices, .checked = true}, std::move(draw)),
      m_completeNotice(control<ui::Label>("completeNotice")),
      m_countdownSpeedBox(control<ui::TextBox>("countdownSpeedBox")) {
    connect(m_countdownSpeedBox, &QLineEdit::textChanged, this, &MainWindow::applyCountdownSpeed);
    chooseScheme(fluro);
}

void MainWindow::hideNotice() {
    m_completeNotice->setVisible(false);
}

void MainWindow::showNotice() {
    m_completeNotice->setVisible(true);
}

// At every change of the box, each keystroke included. A value the timer
// cannot take is shown as refused and not applied: the countdown goes on, or
// stays paused, at the interval it had.
void MainWindow::applyCountdownSpeed() {
    const std::optional<std::int32_t> interval =
        core::intervalFromText(m_countdownSpeedBox->text().toStdU16String());
    if (!interval) {
        m_countdownSpeedBox->showRefusal(vantorel::intervalRefusal(
            QStringLiteral("Countdown Speed"), m_countdownSpeedBox->text()));
        return;
    }
    m_countdownSpeedBox->clearRefusal();
    countdownTimer()->setInterval(*interval);
}

} // namespace corvane2
