#include "digit_window.h"

#include <utility>

namespace vantorel {

DigitWindow::DigitWindow(const ui::WindowDescription &description, core::Draw draw)
    : ui::Window(description), m_digitCells(controlRow<ui::Label, 5>("digitCell")),
      m_draw(std::move(draw)) {
    connect(control<ui::Button>("exitButton"), &QPushButton::clicked, this,
            &DigitWindow::endProgram);
}

void DigitWindow::spinAll() {
    for (ui::Label *cell : m_digitCells)
        cell->setCaption(QString::number(core::drawCellValue(m_draw)));
}

void DigitWindow::zeroAll() {
    for (ui::Label *cell : m_digitCells)
        cell->setCaption(QStringLiteral("0"));
}

} // namespace vantorel
