#include "coach/outcome_scores.h"

#include <algorithm>

namespace {
OutcomeScores AskTheRules() {
  const KeptDice& kept = TheKeptDice();
  OutcomeScores scores;
  for (std::size_t outcome = 0; outcome < kOutcomeCount; ++outcome) {
    const FaceCounts& faces = kept.counts[kFirstOutcome + outcome];
    const DiceValues dice = OutcomeDice(faces);
    for (std::size_t category = 0; category < kCategoryCount; ++category) {
      scores.score[category][outcome] = static_cast<std::uint8_t>(ScoreCategory(static_cast<Category>(category), dice));
    }
    scores.fiveOfAKind[outcome] = std::find(faces.begin(), faces.end(), 5) != faces.end();
  }
  return scores;
}
}  // namespace

const OutcomeScores& TheOutcomeScores() {
  static const OutcomeScores scores = AskTheRules();
  return scores;
}

bool CanHold(Category category, int score) {
  const auto& scores = TheOutcomeScores().score[static_cast<std::size_t>(CellIndex(category))];
  return std::find(scores.begin(), scores.end(), score) != scores.end();
}
