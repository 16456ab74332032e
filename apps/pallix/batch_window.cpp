#include "batch_window.h"

#include "apps/common/digit_cells.h"

#include "core/conversions.h"

#include <utility>

namespace pallix {
namespace {

// A batch makes up to 32767 spins, a number the box's three characters
// cannot hold: the message says what the user can type instead.
QString batchRefusal(const QString &text) {
    return QStringLiteral("Number of Spins: \"%1\" is more spins than one batch can make. "
                          "No spin was made.\n"
                          "The box holds three characters: type up to 999 spins as they are, "
                          "and more with an exponent, up to 3e4 for 30000.")
        .arg(text);
}

} // namespace

BatchWindow::BatchWindow(core::Draw draw)
    : ui::Window(description), m_controls(build(description)), m_draw(std::move(draw)) {
    connect(m_controls.spinButton, &QPushButton::clicked, this, &BatchWindow::spin);
    connect(m_controls.autoSpinButton, &QPushButton::clicked, this, &BatchWindow::spinBatch);
    connect(m_controls.clearButton, &QPushButton::clicked, this, &BatchWindow::clear);
    connect(m_controls.exitButton, &QPushButton::clicked, this, &BatchWindow::endProgram);
}

void BatchWindow::spin() {
    common::spinCells(m_controls.digitCells, m_draw);
}

// The whole batch runs inside this handler without yielding: the window is
// repainted once, after it returns, and shows the last spin only.
void BatchWindow::spinBatch() {
    const std::optional<std::int16_t> total =
        core::spinCountFromText(m_controls.spinCountBox->text().toStdU16String());
    if (!total) {
        // Ending the program over a mistyped count would help no one: refuse
        // the batch and say what the box takes.
        showMessage(batchRefusal(m_controls.spinCountBox->text()));
        return;
    }
    for (std::int16_t spins = 0; spins < *total; ++spins)
        common::spinCells(m_controls.digitCells, m_draw);
}

void BatchWindow::clear() {
    common::zeroCells(m_controls.digitCells);
}

} // namespace pallix
