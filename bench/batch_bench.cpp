// How long a 30,000-spin batch of pallix takes through its real "Auto-
// Spinner" button, beside a bare loop that makes the same draws and writes
// the last spin into the same five cells with nothing around them. The batch
// should stay within 1.2 times the bare loop: the window adds only its
// bookkeeping.
//
//   batch_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Runs offscreen unless a platform is chosen.

#include "apps/pallix/description.h"
#include "core/digits.h"
#include "core/draw.h"
#include "offscreen_application.h"

#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

constexpr int spinsPerBatch = 30000;

// A shown window with its first paint done, as a user clicks it.
void showSettled(batch::BatchWindow &window) {
    window.show();
    QApplication::processEvents();
}

// The repaint that follows the click is the same for both loops and not
// part of the batch.
void repaintUntimed(benchmark::State &state) {
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
}

void BM_BatchThroughButton(benchmark::State &state) {
    int draws = 0;
    const core::Draw counted = [&draws, draw = core::clockSeededDraw()] {
        ++draws;
        return draw();
    };
    batch::BatchWindow window(pallix::program, counted);
    window.controls().spinCountBox->setText(QStringLiteral("3e4"));
    QPushButton *button = window.controls().autoSpinButton;
    showSettled(window);
    for (auto _ : state) {
        draws = 0;
        button->click();
        repaintUntimed(state);
    }
    if (draws < 5 * spinsPerBatch)
        state.SkipWithError("the batch did not make 30,000 spins");
    state.counters["spins"] = spinsPerBatch;
}

void BM_BareDrawsAndLastWrite(benchmark::State &state) {
    batch::BatchWindow window(pallix::program); // only for the same cells, fonts and window
    const ui::DigitRow::Cells &cells = window.controls().digitRow->cells();
    showSettled(window);
    const core::Draw draw = core::clockSeededDraw();
    for (auto _ : state) {
        core::Digits digits;
        for (int spin = 0; spin < spinsPerBatch; ++spin)
            for (std::int16_t &digit : digits)
                digit = core::drawCellValue(draw);
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i]->setCaption(QString::number(digits[i]));
        repaintUntimed(state);
    }
    state.counters["spins"] = spinsPerBatch;
}

BENCHMARK(BM_BatchThroughButton)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDrawsAndLastWrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    OffscreenApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
