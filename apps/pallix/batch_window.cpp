#include "batch_window.h"

#include "apps/common/digit_cells.h"

#include "core/conversions.h"

#include <limits>
#include <utility>

namespace pallix {
namespace {

// The spins a batch makes for the box's text: its leading number rounded to
// a whole number (0 or less makes none). Empty beyond 32767.
std::optional<std::int16_t> spinsAsked(const QString &text) {
    const std::optional<double> number = core::leadingNumber(text.toStdString());
    return number ? core::roundToInt16(*number) : std::nullopt;
}

QString batchRefusal(const QString &text) {
    return QStringLiteral("Number of Spins: \"%1\" is more spins than one batch can make.\n"
                          "Type a number of spins up to %2. No spin was made.")
        .arg(text)
        .arg(std::numeric_limits<std::int16_t>::max());
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
    const std::optional<std::int16_t> total = spinsAsked(m_controls.spinCountBox->text());
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
