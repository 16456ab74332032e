#include "digit_cells.h"

#include "ui/controls.h"

namespace common {

void spinCells(const ui::CellRow &cells, const core::Draw &draw) {
    for (ui::Label *cell : cells)
        cell->setCaption(QString::number(core::drawCellValue(draw)));
}

void zeroCells(const ui::CellRow &cells) {
    for (ui::Label *cell : cells)
        cell->setCaption(QStringLiteral("0"));
}

} // namespace common
