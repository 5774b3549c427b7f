// The work of one roll and one commit on a scorecard, as the board does it inside a tick.
#include <array>

#include <benchmark/benchmark.h>

#include "rules/plain_scorecard.h"

namespace {

const std::array<DiceValues, 4> kRolls = {DiceValues{3, 3, 3, 5, 5}, DiceValues{2, 3, 4, 5, 6},
                                          DiceValues{6, 6, 6, 6, 6}, DiceValues{1, 1, 2, 2, 3}};

void BM_EvaluateRollAndCommit(benchmark::State& state) {
  CPlainScorecard card;
  std::size_t roll = 0;
  for (auto _ : state) {
    EvaluateRoll(kRolls[roll++ % kRolls.size()], card.Card(), card.state);
    benchmark::DoNotOptimize(CommitTurn(card.Card(), card.state));
  }
}
BENCHMARK(BM_EvaluateRollAndCommit);

void BM_ScoreCategoryAll(benchmark::State& state) {
  std::size_t roll = 0;
  for (auto _ : state) {
    const DiceValues& dice = kRolls[roll++ % kRolls.size()];
    for (Category category : kOfferOrder) benchmark::DoNotOptimize(ScoreCategory(category, dice));
  }
}
BENCHMARK(BM_ScoreCategoryAll);

}  // namespace
