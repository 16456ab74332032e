#include "batch_window.h"

#include "core/conversions.h"

#include <algorithm>
#include <utility>

namespace batch {
namespace {

// A batch makes at most core::maxSpins spins, more than a short box can hold
// as digits: the message says what the user can type instead, the largest
// count that one digit and an exponent give ("3e4" for 30000).
QString batchRefusal(const ui::TextBox *box) {
    const int characters = box->maximumCharacters();
    int asDigits = 9;
    for (int more = 1; more < characters && asDigits < core::maxSpins; ++more)
        asDigits = asDigits * 10 + 9;
    int exponent = 0;
    int power = 1;
    for (; power <= core::maxSpins / 10; power *= 10)
        ++exponent;
    const int digit = core::maxSpins / power;
    return QStringLiteral("%1: \"%2\" is more spins than one batch can make. No spin was made.\n"
                          "The box holds %3 characters: type up to %4 spins as they are, "
                          "and more with an exponent, up to %5e%6 for %7.")
        .arg(box->accessibleName(), box->text())
        .arg(characters)
        .arg(std::min<int>(asDigits, core::maxSpins))
        .arg(digit)
        .arg(exponent)
        .arg(digit * power);
}

} // namespace

BatchWindow::BatchWindow(const BatchProgram &program, core::Draw draw)
    : ui::Window(program.description), m_controls(build(program.description)),
      m_draw(std::move(draw)) {
    connect(m_controls.spinButton, &QPushButton::clicked, this, &BatchWindow::spin);
    connect(m_controls.autoSpinButton, &QPushButton::clicked, this, &BatchWindow::spinBatch);
    connect(m_controls.clearButton, &QPushButton::clicked, this, &BatchWindow::clear);
    connect(m_controls.exitButton, &QPushButton::clicked, this, &BatchWindow::endProgram);
}

void BatchWindow::spin() {
    showDigits(core::spin(m_draw));
}

// The whole batch runs inside this handler without yielding, and the cells
// show its last spin only, once.
void BatchWindow::spinBatch() {
    const std::optional<std::int16_t> total =
        core::spinCountFromText(m_controls.spinCountBox->text().toStdU16String());
    if (!total) {
        // Ending the program over a mistyped count would help no one: refuse
        // the batch and say what the box takes.
        showMessage(batchRefusal(m_controls.spinCountBox));
        return;
    }
    core::Digits digits = m_digits;
    for (std::int16_t spins = 0; spins < *total; ++spins)
        digits = core::spin(m_draw);
    showDigits(digits);
}

void BatchWindow::clear() {
    showDigits(core::Digits{});
}

// Every change here is one the user asked for, and heard at once.
void BatchWindow::showDigits(const core::Digits &digits) {
    m_digits = digits;
    m_controls.digitRow->showDigits(m_digits, ui::DigitRow::Reading::Now);
}

} // namespace batch
