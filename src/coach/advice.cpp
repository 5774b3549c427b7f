#include "coach/advice.h"

#include <algorithm>

#include "coach/turn_solver.h"

namespace {

// The distinct multisets the dice can keep, from none to all five.
std::vector<FaceCounts> DistinctHolds(const DiceValues& dice) {
  std::vector<FaceCounts> holds;
  for (unsigned subset = 0; subset < 1u << dice.size(); ++subset) {
    FaceCounts held{};
    for (std::size_t die = 0; die < dice.size(); ++die) {
      if ((subset >> die & 1u) != 0) ++held[static_cast<std::size_t>(dice[die] - 1)];
    }
    if (std::find(holds.begin(), holds.end(), held) == holds.end()) holds.push_back(held);
  }
  return holds;
}

}  // namespace

std::vector<Choice> RankChoices(const CCoachTable& table, const Position& position) {
  const double own = table.Value(position.card);
  std::vector<Choice> choices;
  if (position.rollsMade == 0) {
    choices.push_back({ChoiceKind::Roll, {}, Category::Ones, position.points + own});
    return choices;
  }
  const TakeValues takes(position.card, [&table](CardState later) { return table.Value(later); });
  for (Category category : kOfferOrder) {
    if (position.card.IsFilled(category)) continue;
    const double value = takes.Fill(category, ScoreCategory(category, position.dice));
    choices.push_back({ChoiceKind::Take, {}, category, position.points + value});
  }
  if (takes.ExtraAllowed(position.dice)) {
    choices.push_back({ChoiceKind::Extra, {}, Category::Ones, position.points + kExtraScore + own});
  }
  if (position.rollsMade < kRollsInTurn) {
    TurnValues turn;
    SolveTurnWithOwnValue(takes, own, turn);
    const auto& keep = turn.keep[static_cast<std::size_t>(position.rollsMade - 1)];
    for (const FaceCounts& held : DistinctHolds(position.dice)) {
      const double value = keep[static_cast<std::size_t>(TheKeptDice().IndexOf(held))];
      choices.push_back({ChoiceKind::Hold, held, Category::Ones, position.points + value});
    }
  }
  std::stable_sort(choices.begin(), choices.end(),
                   [](const Choice& a, const Choice& b) { return a.expect > b.expect; });
  return choices;
}
