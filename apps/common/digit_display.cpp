#include "digit_display.h"

#include "core/conversions.h"
#include "ui/form.h"
#include "ui/interval.h"

namespace family {

void showCells(const DigitCells &cells, const core::CellVisibility &pattern) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i]->setVisible(pattern[i]);
}

void paintDisplay(ui::Frame *frame, const DigitCells &cells, const core::Scheme &scheme) {
    frame->setBackColor(scheme.frameBack);
    for (ui::Label *cell : cells) {
        cell->setBackColor(scheme.cellBack);
        cell->setForeColor(scheme.cellFore);
    }
}

QString captionOf(std::int16_t value) {
    return QString::fromStdString(core::numberToText(value));
}

bool takeSpinInterval(ui::Form &form, ui::Timer &timer, const ui::TextBox &box,
                      const QString &boxName) {
    const std::optional<int> interval = ui::intervalFromText(box.text());
    if (!interval) {
        timer.setEnabled(false);
        form.showMessage(ui::intervalRefusal(boxName, box.text()) +
                         QStringLiteral("\nAuto-spin has been stopped."));
        return false;
    }
    timer.setInterval(*interval);
    return true;
}

} // namespace family
