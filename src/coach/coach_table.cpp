#include "coach/coach_table.h"

#include "coach/turn_solver.h"

namespace {
constexpr std::uint16_t kTumblaBit = 1u << CellIndex(Category::Tumbla);
}

CCoachTable::CCoachTable() : m_values(kCardStateCount, 0.0) {}

bool CCoachTable::SolveSome(int nStates) {
  for (int n = 0; n < nStates && !IsComplete(); ++n) {
    const auto filled = static_cast<std::uint16_t>(m_nNextFilled);
    SolveState(CardState{filled, m_bNextHolds50});
    // A card with TUMBLA filled is solved twice: holding 0, then holding 50.
    if ((filled & kTumblaBit) != 0 && !m_bNextHolds50) {
      m_bNextHolds50 = true;
    } else {
      m_bNextHolds50 = false;
      --m_nNextFilled;
    }
  }
  return IsComplete();
}

void CCoachTable::SolveAll() {
  while (!SolveSome(kCardStateCount)) {
  }
}

void CCoachTable::SolveState(CardState state) {
  const TakeValues takes(state, [this](CardState later) { return Value(later); });
  m_values[static_cast<std::size_t>(state.Index())] = SolveTurnStart(takes);
}
