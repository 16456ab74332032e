#include "main_window.h"

#include "description.h"

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
