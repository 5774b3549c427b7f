#pragma once
// A headless scorecard of fifteen entries with the board's scoring state, and the player's
// moves on it.
#include "rules/plain_scorecard.h"

class HeadlessScorecard : public CPlainScorecard {
 public:
  void Roll(const DiceValues& dice) { EvaluateRoll(dice, Card(), state); }
  // The player's tap, then the board's next tick.
  int TakeAndCommit(CScoreEntry& entry) {
    entry.Take();
    return CommitTurn(Card(), state);
  }
  int Score(Category category, const DiceValues& dice) {
    Roll(dice);
    return TakeAndCommit(At(category));
  }
};
