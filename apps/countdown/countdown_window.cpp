#include "countdown_window.h"

#include "core/conversions.h"

#include <QMenu>

#include <chrono>
#include <utility>

namespace countdown {

namespace {

using Reading = ui::DigitRow::Reading;

// The message that names the box whose interval was refused, and the range.
QString intervalRefusal(const ui::TextBox *box) {
    return QStringLiteral("%1: \"%2\" is not an interval the timer can take.\n"
                          "Type a whole number of milliseconds from 0 to %3.")
        .arg(box->accessibleName(), box->text())
        .arg(core::maxInterval);
}

std::optional<std::int32_t> intervalIn(const ui::TextBox *box) {
    return core::intervalFromText(box->text().toStdU16String());
}

} // namespace

CountdownWindow::CountdownWindow(const CountdownProgram &program, core::Draw draw)
    : ui::Window(program.description), m_controls(build(program.description)),
      m_draw(std::move(draw)) {
    connect(m_controls.spinButton, &QPushButton::clicked, this, &CountdownWindow::spin);
    connect(m_controls.autoSpinButton, &QPushButton::clicked, this,
            &CountdownWindow::startAutoSpin);
    connect(m_controls.zeroButton, &QPushButton::clicked, this, &CountdownWindow::zero);
    connect(m_controls.countDownButton, &QPushButton::clicked, this, &CountdownWindow::countDown);
    connect(m_controls.exitButton, &QPushButton::clicked, this, &CountdownWindow::endProgram);
    connect(m_controls.autoSpinTimer, &ui::Timer::timeout, this, &CountdownWindow::autoSpinTick);
    connect(m_controls.countdownTimer, &ui::Timer::timeout, this, &CountdownWindow::countdownTick);
    if (m_controls.countdownSpeedBox) {
        connect(m_controls.countdownSpeedBox, &QLineEdit::textChanged, this,
                &CountdownWindow::applyCountdownSpeed);
        applyCountdownSpeed();
    }
    addOutputMenu();
    addVisualMenu(program);
}

void CountdownWindow::addOutputMenu() {
    for (const CellCountChoice &choice : cellCountChoices)
        connect(m_controls.outputMenu->addAction(ui::toQString(choice.caption)),
                &QAction::triggered, this, [this, shown = choice.shown] { showCells(shown); });
}

void CountdownWindow::addVisualMenu(const CountdownProgram &program) {
    // One scheme is checked at a time; choosing the checked one keeps it. Not
    // an exclusive QActionGroup, which the style draws as radio buttons in
    // place of check marks.
    for (const SchemeChoice &choice : program.schemes) {
        QAction *item = m_controls.visualMenu->addAction(ui::toQString(choice.caption));
        item->setCheckable(program.schemesChecked);
        const auto choose = [this, item, scheme = choice.scheme] {
            showScheme(scheme, m_controls.display, m_controls.digitRow);
            // A plain item stays unchecked.
            for (QAction *schemeItem : m_controls.visualMenu->actions())
                schemeItem->setChecked(schemeItem == item);
        };
        connect(item, &QAction::triggered, this, choose);
        if (choice.atStart)
            choose();
    }
}

void CountdownWindow::spin() {
    spinCells(Reading::Now);
}

void CountdownWindow::spinCells(Reading reading) {
    setNoticeVisible(false);
    showDigits(core::spin(m_draw), reading);
}

// Each tick takes the box's interval for the wait that follows. Pressing
// "Auto- Spinner" takes it at once only when that brings the next spin
// sooner, so that a mistaken long wait need not be waited out and a press
// never delays a spin. A tick that found the box empty or at 0 left the
// timer without an interval, a wait that never ends: switched on again,
// auto-spin takes the box's interval whatever it is, so that it can come
// back.
void CountdownWindow::startAutoSpin() {
    ui::Timer *timer = m_controls.autoSpinTimer;
    if (const std::optional<std::int32_t> interval = readSpinInterval()) {
        if (timer->interval() == 0 ||
            (*interval > 0 && timer->remainingWait() > std::chrono::milliseconds(*interval)))
            timer->setInterval(*interval);
        timer->setEnabled(true);
    }
    setNoticeVisible(false);
}

void CountdownWindow::autoSpinTick() {
    if (const std::optional<std::int32_t> interval = readSpinInterval()) {
        m_controls.autoSpinTimer->setInterval(*interval);
        spinCells(Reading::Paced);
    }
}

std::optional<std::int32_t> CountdownWindow::readSpinInterval() {
    const std::optional<std::int32_t> interval = intervalIn(m_controls.spinSpeedBox);
    if (!interval) {
        m_controls.autoSpinTimer->setEnabled(false);
        showMessage(intervalRefusal(m_controls.spinSpeedBox) +
                    QStringLiteral("\nAuto-spin is off."));
    }
    return interval;
}

void CountdownWindow::zero() {
    setNoticeVisible(false);
    m_controls.autoSpinTimer->setEnabled(false);
    m_controls.countdownTimer->setEnabled(false);
    // The counters keep their values until the next "Count down".
    showDigits(core::Digits{}, Reading::Now);
}

void CountdownWindow::countDown() {
    setNoticeVisible(false);
    m_countdown = core::Countdown::from(m_digits);
    showCells(core::whileCounting(m_shown));
    m_controls.countdownTimer->setEnabled(true);
}

void CountdownWindow::countdownTick() {
    if (m_countdown.tick() == core::Countdown::Tick::Finished)
        finishCountdown();
    else
        showDigits(m_countdown.shownIn(m_digits), Reading::Paced);
}

void CountdownWindow::finishCountdown() {
    m_controls.countdownTimer->setEnabled(false);
    m_countdown = {};
    showDigits(m_countdown.shownIn(m_digits), Reading::Paced);
    // The notice is heard as it appears, and last.
    m_controls.digitRow->cancelReading();
    setNoticeVisible(true);
}

void CountdownWindow::showDigits(const core::Digits &digits, Reading reading) {
    m_digits = digits;
    m_controls.digitRow->showDigits(m_digits, reading);
}

void CountdownWindow::showCells(const core::CellVisibility &shown) {
    m_shown = shown;
    m_controls.digitRow->showCells(m_shown);
}

void CountdownWindow::setNoticeVisible(bool visible) {
    if (m_controls.completeNotice)
        m_controls.completeNotice->setVisible(visible);
}

// At every change of the box, each keystroke included. A value the timer
// cannot take is shown as refused and not applied: the countdown goes on, or
// stays paused, at the interval it had.
void CountdownWindow::applyCountdownSpeed() {
    ui::TextBox *box = m_controls.countdownSpeedBox;
    const std::optional<std::int32_t> interval = intervalIn(box);
    if (!interval) {
        box->showRefusal(intervalRefusal(box));
        return;
    }
    box->clearRefusal();
    m_controls.countdownTimer->setInterval(*interval);
}

} // namespace countdown
