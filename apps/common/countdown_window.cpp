#include "countdown_window.h"

#include "digit_cells.h"
#include "window_parts.h"

#include "ui/colours.h"

#include "core/conversions.h"

#include <QEvent>

#include <chrono>
#include <utility>

namespace common {

namespace {

// The message that names the box whose interval was refused, and the range.
QString intervalRefusal(const QString &boxName, const QString &text) {
    return QStringLiteral("%1: \"%2\" is not an interval the timer can take.\n"
                          "Type a whole number of milliseconds from 0 to %3.")
        .arg(boxName, text)
        .arg(core::maxInterval);
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
    if (m_controls.countdownSpeedBox)
        connect(m_controls.countdownSpeedBox, &QLineEdit::textChanged, this,
                &CountdownWindow::applyCountdownSpeed);
    addOutputMenu();
    addVisualMenu(program);
}

void CountdownWindow::addOutputMenu() {
    for (const CellCountChoice &choice : cellCountChoices)
        connect(addMenuItem(m_controls.outputMenu, choice.caption, ui::MenuItem::Mark::None),
                &ui::MenuItem::triggered, this, [this, shown = choice.shown] { showCells(shown); });
}

void CountdownWindow::addVisualMenu(const CountdownProgram &program) {
    const auto mark = program.schemesChecked ? ui::MenuItem::Mark::Check : ui::MenuItem::Mark::None;
    for (const SchemeChoice &choice : program.schemes) {
        ui::MenuItem *item = addMenuItem(m_controls.visualMenu, choice.caption, mark);
        if (mark == ui::MenuItem::Mark::Check)
            m_schemeItems.append(item);
        connect(item, &ui::MenuItem::triggered, this,
                [this, item, scheme = choice.scheme] { chooseScheme(scheme, item); });
        if (choice.atStart)
            chooseScheme(choice.scheme, item);
    }
}

void CountdownWindow::spin() {
    setNoticeVisible(false);
    spinCells(m_controls.digitCells, m_draw);
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
        spin();
    }
}

std::optional<std::int32_t> CountdownWindow::readSpinInterval() {
    const QString text = m_controls.spinSpeedBox->text();
    const std::optional<std::int32_t> interval = core::intervalFromText(text.toStdU16String());
    if (!interval) {
        m_controls.autoSpinTimer->setEnabled(false);
        showMessage(intervalRefusal(QStringLiteral("Speed of Spins"), text) +
                    QStringLiteral("\nAuto-spin is off."));
    }
    return interval;
}

void CountdownWindow::zero() {
    setNoticeVisible(false);
    m_controls.autoSpinTimer->setEnabled(false);
    m_controls.countdownTimer->setEnabled(false);
    zeroCells(m_controls.digitCells); // the counters keep their values until the next "Count down"
}

void CountdownWindow::countDown() {
    setNoticeVisible(false);
    // The cells hold only the program's own text of 0 to 10.
    const ui::CellRow &cells = m_controls.digitCells;
    m_countdown = {.hundreds = cells[0]->text().toShort(),
                   .tens = cells[1]->text().toShort(),
                   .units = cells[2]->text().toShort()};
    cells[3]->setVisible(false);
    cells[4]->setVisible(false);
    m_controls.countdownTimer->setEnabled(true);
}

void CountdownWindow::countdownTick() {
    if (m_countdown.tick() == core::Countdown::Tick::Finished)
        finishCountdown();
    else
        showCounters();
}

void CountdownWindow::finishCountdown() {
    m_controls.countdownTimer->setEnabled(false);
    m_countdown = {};
    showCounters();
    setNoticeVisible(true);
}

void CountdownWindow::showCounters() {
    m_controls.digitCells[0]->setCaption(QString::number(m_countdown.hundreds));
    m_controls.digitCells[1]->setCaption(QString::number(m_countdown.tens));
    m_controls.digitCells[2]->setCaption(QString::number(m_countdown.units));
}

void CountdownWindow::showCells(const core::CellVisibility &shown) {
    for (std::size_t i = 0; i < shown.size(); ++i)
        m_controls.digitCells[i]->setVisible(shown[i]);
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
    const std::optional<std::int32_t> interval =
        core::intervalFromText(box->text().toStdU16String());
    if (!interval) {
        box->showRefusal(intervalRefusal(QStringLiteral("Countdown Speed"), box->text()));
        return;
    }
    box->clearRefusal();
    m_controls.countdownTimer->setInterval(*interval);
}

void CountdownWindow::chooseScheme(const core::Scheme &scheme, ui::MenuItem *item) {
    m_scheme = scheme;
    ui::showScheme(m_scheme, m_controls.display, m_controls.digitCells);
    for (ui::MenuItem *schemeItem : std::as_const(m_schemeItems))
        schemeItem->setChecked(schemeItem == item);
}

void CountdownWindow::changeEvent(QEvent *event) {
    ui::Window::changeEvent(event); // the rest of the window first
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        ui::showScheme(m_scheme, m_controls.display, m_controls.digitCells);
}

} // namespace common
