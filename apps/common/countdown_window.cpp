#include "countdown_window.h"

#include "ui/colours.h"
#include "ui/interval.h"

#include <QEvent>

#include <utility>

namespace vantorel {

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

void CountdownWindow::startAutoSpin() {
    // A tick that found the box empty or at 0 left the timer without an
    // interval, and only a tick sets it: switched on again, auto-spin takes
    // the box's interval now, so that it can come back.
    if (m_autoSpinTimer->interval() > 0 || takeSpinInterval())
        m_autoSpinTimer->setEnabled(true);
    hideNotice();
}

void CountdownWindow::autoSpinTick() {
    if (takeSpinInterval())
        spin();
}

bool CountdownWindow::takeSpinInterval() {
    const std::optional<int> interval = ui::intervalFromText(m_spinSpeedBox->text());
    if (!interval) {
        m_autoSpinTimer->setEnabled(false);
        showMessage(ui::intervalRefusal(QStringLiteral("Speed of Spins"), m_spinSpeedBox->text()) +
                    QStringLiteral("\nAuto-spin is off."));
        return false;
    }
    m_autoSpinTimer->setInterval(*interval);
    return true;
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
    m_scheme = m_schemes.choices[std::size_t(index)].effect;
    ui::showScheme(m_scheme, m_display, digitCells());
    if (m_schemes.checked)
        for (qsizetype i = 0; i < m_schemeItems.size(); ++i)
            m_schemeItems[i]->setChecked(i == index);
}

void CountdownWindow::changeEvent(QEvent *event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        ui::showScheme(m_scheme, m_display, digitCells());
    DigitWindow::changeEvent(event);
}

} // namespace vantorel
