#include "history/best_play_averages.h"

#include <vector>

#include "coach/advice.h"
#include "coach/outcome_scores.h"
#include "coach/turn_solver.h"

namespace {

using KeptMass = std::array<double, kKeptCount>;
using KeptIndex = std::array<std::int16_t, kKeptCount>;

// Rolls the dice not kept: each kept multiset's chance spreads over the outcomes it can
// become, one die at a time.
void RollRest(KeptMass& mass) {
  const KeptDice& kept = TheKeptDice();
  for (std::size_t index = 0; index < kFirstOutcome; ++index) {
    const double chance = mass[index];
    if (chance == 0.0) continue;
    for (std::int16_t next : kept.added[index]) mass[static_cast<std::size_t>(next)] += chance / kFaces;
    mass[index] = 0.0;
  }
}

// For every multiset, its best-valued part to keep (itself included).
KeptIndex BestParts(const std::array<double, kKeptCount>& keep) {
  const KeptDice& kept = TheKeptDice();
  KeptIndex best{};
  for (std::size_t index = 0; index < kKeptCount; ++index) {
    auto choice = static_cast<std::int16_t>(index);
    for (std::int16_t smaller : kept.removed[index]) {
      if (smaller < 0) break;
      const std::int16_t candidate = best[static_cast<std::size_t>(smaller)];
      if (keep[static_cast<std::size_t>(candidate)] > keep[static_cast<std::size_t>(choice)]) choice = candidate;
    }
    best[index] = choice;
  }
  return best;
}

// The take best play makes with an outcome: a category (its score), or the extra.
struct Take {
  bool bExtra = false;
  Category category = Category::Ones;
  int score = 0;
  double value = 0.0;
};

class TurnFollower {
 public:
  TurnFollower(const CCoachTable& table, CardState state)
      : m_state(state), m_takes(state, [&table](CardState later) { return table.Value(later); }) {
    const double own = table.Value(state);
    SolveTurnWithOwnValue(m_takes, own, m_turn);
    const OutcomeScores& scores = TheOutcomeScores();
    for (std::size_t outcome = 0; outcome < kOutcomeCount; ++outcome) {
      Take& best = m_best[outcome];
      best.value = -1.0;
      for (Category category : kOfferOrder) {
        if (state.IsFilled(category)) continue;
        const int score = scores.score[static_cast<std::size_t>(CellIndex(category))][outcome];
        const double value = m_takes.Fill(category, score);
        if (value > best.value) best = {false, category, score, value};
      }
      if (state.tumblaHolds50 && scores.fiveOfAKind[outcome] && kExtraScore + own > best.value) {
        best = {true, Category::Ones, kExtraScore, kExtraScore + own};
      }
    }
  }

  // Follows one turn from its start; the chances of its takes go to the sums.
  void Follow(std::array<double, kCategoryCount>& categoryPoints, double& extraChance,
              std::vector<std::pair<CardState, double>>& next) {
    KeptMass mass{};
    mass[0] = 1.0;
    for (std::size_t roll = 0; roll < kRollsInTurn; ++roll) {
      RollRest(mass);
      const bool bLastRoll = roll + 1 == kRollsInTurn;
      KeptIndex bestParts{};
      if (!bLastRoll) bestParts = BestParts(m_turn.keep[roll]);
      KeptMass kept{};
      for (std::size_t outcome = 0; outcome < kOutcomeCount; ++outcome) {
        const double chance = mass[kFirstOutcome + outcome];
        if (chance == 0.0) continue;
        const Take& take = m_best[outcome];
        if (!bLastRoll) {
          const auto part = static_cast<std::size_t>(bestParts[kFirstOutcome + outcome]);
          // A take ranks above keeping dice of the same value.
          if (m_turn.keep[roll][part] > take.value) {
            kept[part] += chance;
            continue;
          }
        }
        if (take.bExtra) {
          extraChance += chance;
          continue;
        }
        categoryPoints[static_cast<std::size_t>(CellIndex(take.category))] += chance * take.score;
        next.emplace_back(m_state.Filling(take.category, take.score), chance);
      }
      mass = kept;
    }
  }

 private:
  CardState m_state;
  TakeValues m_takes;
  TurnValues m_turn;
  std::array<Take, kOutcomeCount> m_best{};
};

}  // namespace

CategoryAverages BestPlayAverages(const CCoachTable& table) {
  CategoryAverages averages;
  std::vector<double> reached(kCardStateCount, 0.0);
  reached[0] = 1.0;
  std::vector<std::pair<CardState, double>> next;
  // A take fills one more category, so every state a turn leads to comes later in this order.
  for (int filled = 0; filled < kAllFilled; ++filled) {
    for (const bool bHolds50 : {false, true}) {
      const CardState state{static_cast<std::uint16_t>(filled), bHolds50};
      const double chance = reached[static_cast<std::size_t>(state.Index())];
      if (chance == 0.0) continue;
      std::array<double, kCategoryCount> points{};
      double extraChance = 0.0;
      next.clear();
      TurnFollower(table, state).Follow(points, extraChance, next);
      // The extra starts the same state's turn again: its turns are visited 1/(1-q) times.
      const double visits = chance / (1.0 - extraChance);
      for (std::size_t i = 0; i < kCategoryCount; ++i) averages.categories[i] += visits * points[i];
      averages.extras += visits * extraChance * kExtraScore;
      for (const auto& [later, laterChance] : next)
        reached[static_cast<std::size_t>(later.Index())] += visits * laterChance;
    }
  }
  return averages;
}
