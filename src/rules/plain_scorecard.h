#pragma once
// A whole scorecard with nothing to draw, and the board's scoring state: the rules on their
// own, for programs without a board, tests and benchmarks.
#include <array>

#include "rules/scoring.h"

class CPlainScorecard {
 public:
  CPlainScorecard() {
    for (std::size_t index = 0; index < m_pointers.size(); ++index) m_pointers[index] = &m_entries[index];
    ResetScorecard(Card(), state);
  }
  // The card points into itself.
  CPlainScorecard(const CPlainScorecard&) = delete;
  CPlainScorecard& operator=(const CPlainScorecard&) = delete;

  Scorecard Card() { return Scorecard(m_pointers); }
  CScoreEntry& At(int index) { return m_entries[static_cast<std::size_t>(index)]; }
  CScoreEntry& At(Category category) { return At(CellIndex(category)); }
  CScoreEntry& Bonus() { return At(kBonusIndex); }
  CScoreEntry& Total() { return At(kTotalIndex); }

  TurnScoring state;

 private:
  std::array<CScoreEntry, kScorecardSize> m_entries{
      CScoreEntry(true), CScoreEntry(true), CScoreEntry(true), CScoreEntry(true),  CScoreEntry(true),
      CScoreEntry(true), CScoreEntry(true), CScoreEntry(true), CScoreEntry(true),  CScoreEntry(true),
      CScoreEntry(true), CScoreEntry(true), CScoreEntry(true), CScoreEntry(false), CScoreEntry(true)};
  std::array<IScoreEntry*, kScorecardSize> m_pointers{};
};
