#include "digit_display.h"

#include "core/conversions.h"
#include "core/spin.h"
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

QString spinCaptionOf(std::int16_t drawnValue) {
    static const std::array<QString, 11> captions = [] {
        std::array<QString, 11> table;
        for (std::int16_t value = 0; value < 11; ++value)
            table[value] = QString::fromStdString(core::spinCaption(value));
        return table;
    }();
    if (drawnValue >= 0 && drawnValue < 11)
        return captions[drawnValue];
    return QString::fromStdString(core::spinCaption(drawnValue));
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
