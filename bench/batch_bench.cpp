// How long a 30,000-spin batch of pallix takes through the real "Auto-
// Spinner" handler, beside a bare loop that makes the same draws and writes
// the same five labels with nothing around them. The batch should stay
// within 1.2 times the bare loop: the handler adds only its bookkeeping.
//
//   batch_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Runs offscreen unless a platform is chosen.

#include "apps/pallix/form1.h"
#include "core/spin.h"
#include "offscreen_application.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int spinsPerBatch = 30000;

// A shown window with its first paint done, as a user clicks it.
void showSettled(pallix::Form1 &form) {
    form.show();
    QApplication::processEvents();
}

// The repaint that follows the handler is the same for both loops and not
// part of the batch.
void repaintUntimed(benchmark::State &state) {
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
}

void BM_BatchThroughHandler(benchmark::State &state) {
    pallix::Form1 form;
    form.txtloop->setText(QStringLiteral("3e4"));
    showSettled(form);
    for (auto _ : state) {
        form.cmdAuto_Click();
        repaintUntimed(state);
    }
    if (form.spinCount != spinsPerBatch)
        state.SkipWithError("the batch did not make 30,000 spins");
    state.counters["spins"] = spinsPerBatch;
}

void BM_BareDrawsAndLabelWrites(benchmark::State &state) {
    pallix::Form1 form; // only for the same five labels, fonts and window
    showSettled(form);
    core::RandomSource source;
    for (auto _ : state) {
        for (int spin = 0; spin < spinsPerBatch; ++spin) {
            for (ui::Label *cell : form.Label1) {
                std::int16_t value = core::draw(source);
                if (value > 9)
                    value = core::draw(source);
                cell->setText(QString::number(value));
            }
        }
        repaintUntimed(state);
    }
    state.counters["spins"] = spinsPerBatch;
}

BENCHMARK(BM_BatchThroughHandler)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareDrawsAndLabelWrites)->Unit(benchmark::kMillisecond);

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
