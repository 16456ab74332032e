#include "countdown_window.h"

#include "core/conversions.h"

#include <chrono>
#include <utility>

namespace vantorel {

QString intervalRefusal(const QString &boxName, const QString &text) {
    return QStringLiteral("%1: \"%2\" is not an interval the timer can take.\n"
                          "Type a whole number of milliseconds from 0 to %3.")
        .arg(boxName, text)
        .arg(core::maxInterval);
}

CountdownWindow::CountdownWindow(const ui::WindowDescription &description, Schemes schemes,
                                 core::Draw draw)
    : DigitWindow(description, std::move(draw)), m_display(control<ui::Frame>("display")),
      m_spinSpeedBox(control<ui::TextBox>("spinSpeedBox")), m_autoSpinTimer(timer("autoSpinTimer")),
      m_countdownTimer(timer("countdownTimer")), m_schemes(schemes),
      m_schemeItems(menuItems("visualMenu")) {
    connect(control<ui::Button>("spinButton"), &QPushButton::clicked, this, &CountdownWindow::spin);
    connect(control<ui::Button>("autoSpinButton"), &QPushButton::clicked, this,
            &CountdownWindow::startAutoSpin);
    connect(control<ui::Button>("zeroButton"), &QPushButton::clicked, this, &CountdownWindow::zero);
    connect(control<ui::Button>("countDownButton"), &QPushButton::clicked, this,
            &CountdownWindow::countDown);
    connect(m_autoSpinTimer, &ui::Timer::timeout, this, &CountdownWindow::autoSpinTick);
    connect(m_countdownTimer, &ui::Timer::timeout, this, &CountdownWindow::countdownTick);
    const QList<ui::MenuItem *> cellCountItems = menuItems("outputMenu");
    for (qsizetype i = 0; i < cellCountItems.size(); ++i)
        connect(cellCountItems[i], &ui::MenuItem::click, this,
                [this, i] { showCells(cellCountChoices[i].effect); });
    for (qsizetype i = 0; i < m_schemeItems.size(); ++i)
        connect(m_schemeItems[i], &ui::MenuItem::click, this, [this, i] { chooseScheme(int(i)); });
}

void CountdownWindow::spin() {
    hideNotice();
    spinAll();
}

// Each tick takes the box's interval for the wait that follows. Pressing
// "Auto- Spinner" takes it at once only when that brings the next spin
// sooner, so that a mistaken long wait need not be waited out and a press
// never delays a spin. A tick that found the box empty or at 0 left the
// timer without an interval, a wait that never ends: switched on again,
// auto-spin takes the box's interval whatever it is, so that it can come
// back.
void CountdownWindow::startAutoSpin() {
    if (const std::optional<std::int32_t> interval = readSpinInterval()) {
        if (m_autoSpinTimer->interval() == 0 ||
            (*interval > 0 &&
             m_autoSpinTimer->remainingWait() > std::chrono::milliseconds(*interval)))
            m_autoSpinTimer->setInterval(*interval);
        m_autoSpinTimer->setEnabled(true);
    }
    hideNotice();
}

void CountdownWindow::autoSpinTick() {
    if (const std::optional<std::int32_t> interval = readSpinInterval()) {
        m_autoSpinTimer->setInterval(*interval);
        spin();
    }
}

std::optional<std::int32_t> CountdownWindow::readSpinInterval() {
    const std::optional<std::int32_t> interval =
        core::intervalFromText(m_spinSpeedBox->text().toStdU16String());
    if (!interval) {
        m_autoSpinTimer->setEnabled(false);
        showMessage(intervalRefusal(QStringLiteral("Speed of Spins"), m_spinSpeedBox->text()) +
                    QStringLiteral("\nAuto-spin is off."));
    }
    return interval;
}

void CountdownWindow::zero() {
    hideNotice();
    m_autoSpinTimer->setEnabled(false);
    m_countdownTimer->setEnabled(false);
    zeroAll(); // the counters keep their values until the next "Count down"
}

void CountdownWindow::countDown() {
    hideNotice();
    // The cells hold only the program's own text of 0 to 10.
    m_countdown = {.hundreds = digitCells()[0]->text().toShort(),
                   .tens = digitCells()[1]->text().toShort(),
                   .units = digitCells()[2]->text().toShort()};
    digitCells()[3]->setVisible(false);
    digitCells()[4]->setVisible(false);
    m_countdownTimer->setEnabled(true);
}

// Tests for zero before it lowers anything: a count from N shows 0 0 0
// after N ticks and finishes at tick N + 1.
void CountdownWindow::countdownTick() {
    countDownUnits();
}

void CountdownWindow::countDownUnits() {
    if (m_countdown.atZero()) {
        finishCountdown();
        return;
    }
    if (core::lowerPlace(m_countdown.units) == core::Borrow::Yes)
        countDownTens();
    showCounters();
}

void CountdownWindow::countDownTens() {
    if (core::lowerPlace(m_countdown.tens) == core::Borrow::Yes)
        countDownHundreds();
    showCounters();
}

void CountdownWindow::countDownHundreds() {
    core::lowerHundreds(m_countdown.hundreds);
    showCounters();
}

void CountdownWindow::finishCountdown() {
    m_countdownTimer->setEnabled(false);
    m_countdown = {};
    showCounters();
    showNotice();
}

void CountdownWindow::showCounters() {
    digitCells()[0]->setCaption(QString::number(m_countdown.hundreds));
    digitCells()[1]->setCaption(QString::number(m_countdown.tens));
    digitCells()[2]->setCaption(QString::number(m_countdown.units));
}

void CountdownWindow::showCells(const core::CellVisibility &shown) {
    for (std::size_t i = 0; i < shown.size(); ++i)
        digitCells()[i]->setVisible(shown[i]);
}

void CountdownWindow::chooseScheme(int index) {
    const core::Scheme &scheme = m_schemes.choices[std::size_t(index)].effect;
    m_display->setBackColor(scheme.frameBack);
    for (ui::Label *cell : digitCells()) {
        cell->setBackColor(scheme.cellBack);
        cell->setForeColor(scheme.cellFore);
    }
    if (m_schemes.checked)
        for (qsizetype i = 0; i < m_schemeItems.size(); ++i)
            m_schemeItems[i]->setChecked(i == index);
}

} // namespace vantorel
