// The coach's whole table, and one query on it: the best choice and every choice's value.
#include <benchmark/benchmark.h>

#include "coach/advice.h"

namespace {

void BM_SolveWholeTable(benchmark::State& state) {
  for (auto _ : state) {
    CCoachTable table;
    table.SolveAll();
    benchmark::DoNotOptimize(table.Value(CardState{}));
  }
}
BENCHMARK(BM_SolveWholeTable)->Unit(benchmark::kMillisecond);

// After the first roll of a game: 18 holds and thirteen takes to value.
void BM_RankChoicesAfterFirstRoll(benchmark::State& state) {
  CCoachTable table;
  table.SolveAll();
  const Position position{CardState{}, 0, 1, {2, 1, 2, 1, 3}};
  for (auto _ : state) benchmark::DoNotOptimize(RankChoices(table, position));
}
BENCHMARK(BM_RankChoicesAfterFirstRoll)->Unit(benchmark::kMicrosecond);

}  // namespace
