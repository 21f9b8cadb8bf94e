#include "rules/core/RulesMath.h"

#include <benchmark/benchmark.h>

#include <climits>

namespace {

// A progression costs one pass per level it passes, whatever the number of steps.
void BM_Progression(benchmark::State& state, int value, int steps) {
    for (auto _ : state)
        benchmark::DoNotOptimize(tallar::progression(value, steps, 0, 0));
}
BENCHMARK_CAPTURE(BM_Progression, few_steps, 150, 30);
BENCHMARK_CAPTURE(BM_Progression, million_steps, 0, 1'000'000);
BENCHMARK_CAPTURE(BM_Progression, all_steps_from_a_million, 1'000'000, INT_MAX);
BENCHMARK_CAPTURE(BM_Progression, whole_scale_down, INT_MAX, -2'000'000'000);

} // namespace
