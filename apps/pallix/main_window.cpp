#include "main_window.h"

#include "description.h"

#include "core/conversions.h"

#include <limits>
#include <utility>

namespace pallix {
namespace {

QString batchRefusal(const QString &text) {
    return QStringLiteral("Number of Spins: \"%1\" is more spins than one batch can make.\n"
                          "Type a number of spins up to %2. No spin was made.")
        .arg(text)
        .arg(std::numeric_limits<std::int16_t>::max());
}

} // namespace

MainWindow::MainWindow(core::Draw draw)
    : DigitWindow(description, std::move(draw)),
      m_spinCountBox(control<ui::TextBox>("spinCountBox")) {
    connect(control<ui::Button>("spinButton"), &QPushButton::clicked, this, &MainWindow::spin);
    connect(control<ui::Button>("autoSpinButton"), &QPushButton::clicked, this,
            &MainWindow::spinBatch);
    connect(control<ui::Button>("clearButton"), &QPushButton::clicked, this, &MainWindow::clear);
}

void MainWindow::spin() {
    spinAll();
}

// The whole batch runs inside this handler without yielding: the window is
// repainted once, after it returns, and shows the last spin only.
void MainWindow::spinBatch() {
    const std::optional<std::int16_t> total =
        core::spinCountFromText(m_spinCountBox->text().toStdU16String());
    if (!total) {
        // Ending the program over a mistyped count would help no one: refuse
        // the batch and say what the box takes.
        showMessage(batchRefusal(m_spinCountBox->text()));
        return;
    }
    for (std::int16_t spins = 0; spins < *total; ++spins)
        spinAll();
}

void MainWindow::clear() {
    zeroAll();
}

} // namespace pallix
