#include "rules/core/Dice.h"

#include <benchmark/benchmark.h>

namespace {

// Expressions as rules columns hold them; MAX terms compile the finder's pattern each time.
void BM_EvaluateDice(benchmark::State& state, const char* expression) {
    tallar::DiceGenerator generator(1);
    const tallar::DiceRolls rolls{.generator = &generator};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            tallar::EvaluateDice(expression, rolls, "", tallar::DiceMode::Roll));
}
BENCHMARK_CAPTURE(BM_EvaluateDice, plain, "2K10+3*2");
BENCHMARK_CAPTURE(BM_EvaluateDice, open_ended, "K100_");
BENCHMARK_CAPTURE(BM_EvaluateDice, highest, "MAX(3K6)+2");

} // namespace
