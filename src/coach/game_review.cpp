#include "coach/game_review.h"

#include <algorithm>

namespace {
constexpr std::size_t kCostliestShown = 3;
}

ChoiceCost CostOf(const CCoachTable& table, const PlayedChoice& played) {
  const std::vector<Choice> choices = RankChoices(table, played.position);
  ChoiceCost cost{played, choices.front(), 0.0};
  const auto chosen = std::find_if(choices.begin(), choices.end(),
                                   [&played](const Choice& choice) { return choice.SameAs(played.chosen); });
  if (chosen == choices.end()) return cost;
  cost.played.chosen = *chosen;
  cost.cost = cost.best.expect - chosen->expect;
  return cost;
}

GameReview ReviewGame(const CCoachTable& table, const std::vector<PlayedChoice>& choices, int finalTotal) {
  GameReview review;
  review.finalTotal = finalTotal;
  review.expectedAtStart = table.Value(CardState{});
  std::vector<ChoiceCost> costs;
  for (const PlayedChoice& played : choices) {
    costs.push_back(CostOf(table, played));
    review.givenUp += costs.back().cost;
  }
  review.luck = finalTotal - review.expectedAtStart + review.givenUp;
  std::stable_sort(costs.begin(), costs.end(),
                   [](const ChoiceCost& a, const ChoiceCost& b) { return a.cost > b.cost; });
  for (const ChoiceCost& cost : costs) {
    if (review.costliest.size() == kCostliestShown || cost.cost <= 0.0) break;
    review.costliest.push_back(cost);
  }
  return review;
}
