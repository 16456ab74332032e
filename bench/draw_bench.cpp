// One draw with its re-seed, and the draws of one five-cell spin, beside what
// a draw cannot do without: one read of the clock and one step of the
// generator.

#include "core/digits.h"
#include "core/draw.h"
#include "core/random_source.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

void BM_Draw(benchmark::State &state) {
    core::RandomSource source; // the system clock, as the programs use it
    for (auto _ : state)
        benchmark::DoNotOptimize(core::drawOnce(source));
}
BENCHMARK(BM_Draw);

void BM_SpinDraws(benchmark::State &state) {
    const core::Draw draw = core::clockSeededDraw();
    for (auto _ : state)
        benchmark::DoNotOptimize(core::spin(draw));
}
BENCHMARK(BM_SpinDraws);

// The reference: a bare clock read plus one generator step.
void BM_ClockReadPlusStep(benchmark::State &state) {
    core::RandomSource source([] { return std::uint64_t{0}; });
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::RandomSource::timeOfDay());
        benchmark::DoNotOptimize(source.nextBits());
    }
}
BENCHMARK(BM_ClockReadPlusStep);

} // namespace

BENCHMARK_MAIN();
