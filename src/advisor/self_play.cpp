#include "advisor/self_play.h"

#include <array>
#include <cmath>
#include <random>

#include "coach/card_reading.h"
#include "draw/random_die.h"
#include "platform/core/random.h"
#include "rules/plain_scorecard.h"

namespace {

// The dice to hold for the kept multiset, each value as often as it is kept.
std::array<bool, 5> HoldsFor(const DiceValues& dice, FaceCounts kept) {
  std::array<bool, 5> held{};
  for (std::size_t die = 0; die < dice.size(); ++die) {
    auto& left = kept[static_cast<std::size_t>(dice[die] - 1)];
    held[die] = left > 0;
    if (held[die]) --left;
  }
  return held;
}

// Plays one turn to its take; returns the filled categories after the commit.
int PlayTurn(const CCoachTable& table, CPlainScorecard& card) {
  DiceValues dice{};
  std::array<bool, 5> held{};
  for (int roll = 1;; ++roll) {
    for (std::size_t die = 0; die < dice.size(); ++die) {
      if (!held[die]) dice[die] = RandomDieValue();
    }
    EvaluateRoll(dice, card.Card(), card.state);
    const Choice best = RankChoices(table, ReadPosition(card.Card(), card.state, roll, dice)).front();
    if (best.kind == ChoiceKind::Hold) {
      held = HoldsFor(dice, best.held);
      continue;
    }
    const int index = best.kind == ChoiceKind::Extra ? kBonusIndex : CellIndex(best.category);
    card.At(index).Take();
    return CommitTurn(card.Card(), card.state);
  }
}

}  // namespace

int PlayBestGame(const CCoachTable& table) {
  CPlainScorecard card;
  while (PlayTurn(table, card) < kCategoryCount) {
  }
  return card.Total().GetValue();
}

PlayStats PlayBestGames(const CCoachTable& table, int nGames, std::uint32_t seed) {
  std::mt19937 generator(seed);
  const RandomSource before = SetRandomSource([&generator] { return static_cast<std::uint32_t>(generator()); });
  double sum = 0.0;
  double sumOfSquares = 0.0;
  for (int game = 0; game < nGames; ++game) {
    const double total = PlayBestGame(table);
    sum += total;
    sumOfSquares += total * total;
  }
  SetRandomSource(before);
  PlayStats stats;
  stats.games = nGames;
  stats.mean = sum / nGames;
  stats.sd = std::sqrt(std::max(0.0, (sumOfSquares - nGames * stats.mean * stats.mean) / (nGames - 1)));
  stats.se = stats.sd / std::sqrt(static_cast<double>(nGames));
  return stats;
}
