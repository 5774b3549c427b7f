#pragma once
// The expected points still to come, with best play, from the start of a turn in every
// card state: solved backwards from the full card, a slice at a time if need be.
#include <vector>

#include "coach/card_state.h"

class CCoachTable {
 public:
  CCoachTable();

  // Solves up to nStates more states; returns whether the table is complete.
  bool SolveSome(int nStates);
  void SolveAll();
  bool IsComplete() const { return m_nNextFilled < 0; }
  // Only for a complete table, or a state already solved.
  double Value(CardState state) const { return m_values[static_cast<std::size_t>(state.Index())]; }

 private:
  void SolveState(CardState state);

  std::vector<double> m_values;
  // The next card to solve, counting down: every take leads to a larger one.
  int m_nNextFilled = kAllFilled - 1;
  bool m_bNextHolds50 = false;
};
