// One draw with its re-seed, and one five-cell spin, beside what a draw
// cannot do without: one read of the clock and one step of the generator.

#include "core/random_source.h"
#include "core/spin.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

namespace {

void BM_Draw(benchmark::State &state) {
    core::RandomSource source; // the system clock, as the programs use it
    for (auto _ : state)
        benchmark::DoNotOptimize(core::draw(source));
}
BENCHMARK(BM_Draw);

void BM_Spin(benchmark::State &state) {
    core::RandomSource source;
    std::array<std::string, core::cellCount> cells;
    std::int16_t drawnValue = 0;
    std::int16_t cellIndex = 0;
    for (auto _ : state) {
        core::spinCells(
            cellIndex, drawnValue, [&] { drawnValue = core::draw(source); },
            [&](std::int16_t index) { cells[index] = core::spinCaption(drawnValue); });
        benchmark::DoNotOptimize(cells.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Spin);

// The reference: a bare clock read plus one generator step.
void BM_ClockReadPlusStep(benchmark::State &state) {
    core::RandomSource source([] { return std::uint64_t{0}; });
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::RandomSource::timeOfDay());
        benchmark::DoNotOptimize(source.next());
    }
}
BENCHMARK(BM_ClockReadPlusStep);

} // namespace

BENCHMARK_MAIN();
