#pragma once
// The whole table, solved once for every test of the binary.
#include "coach/coach_table.h"

inline const CCoachTable& SolvedTable() {
  static const CCoachTable table = [] {
    CCoachTable solved;
    solved.SolveAll();
    return solved;
  }();
  return table;
}

// A card with every category filled but the ones named.
inline CardState OnlyOpen(std::initializer_list<Category> open, bool tumblaHolds50 = false) {
  CardState state{kAllFilled, tumblaHolds50};
  for (Category category : open) state.filled &= static_cast<std::uint16_t>(~(1u << CellIndex(category)));
  return state;
}
