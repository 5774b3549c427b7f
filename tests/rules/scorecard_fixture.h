#pragma once
// A headless scorecard of fifteen entries with the board's scoring state, and the player's
// moves on it.
#include <array>

#include "rules/scoring.h"

class HeadlessScorecard {
 public:
  HeadlessScorecard() {
    for (int index = 0; index < kScorecardSize; ++index) pointers[index] = &entries[index];
    ResetScorecard(Card(), state);
  }

  Scorecard Card() { return Scorecard(pointers); }
  CScoreEntry& At(int index) { return entries[index]; }
  CScoreEntry& At(Category category) { return entries[CellIndex(category)]; }
  CScoreEntry& Bonus() { return entries[kBonusIndex]; }
  CScoreEntry& Total() { return entries[kTotalIndex]; }

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

  TurnScoring state;

 private:
  std::array<CScoreEntry, kScorecardSize> entries{
      CScoreEntry(true), CScoreEntry(true), CScoreEntry(true), CScoreEntry(true),  CScoreEntry(true),
      CScoreEntry(true), CScoreEntry(true), CScoreEntry(true), CScoreEntry(true),  CScoreEntry(true),
      CScoreEntry(true), CScoreEntry(true), CScoreEntry(true), CScoreEntry(false), CScoreEntry(true)};
  std::array<IScoreEntry*, kScorecardSize> pointers{};
};
