#include "rules/scoring.h"

#include <algorithm>

namespace {

struct FaceCounts {
  std::array<int, 7> count{};  // by face, 1 to 6
  int sum = 0;

  explicit FaceCounts(const DiceValues& dice) {
    for (int value : dice) {
      if (value < 1 || value > 6) continue;
      ++count[value];
      sum += value;
    }
  }

  int Largest() const { return *std::max_element(count.begin() + 1, count.end()); }
  bool HasExactly(int n) const { return std::find(count.begin() + 1, count.end(), n) != count.end(); }
  bool HasRun(int first, int length) const {
    return std::all_of(count.begin() + first, count.begin() + first + length, [](int c) { return c > 0; });
  }
  bool HasAnyRun(int length) const {
    for (int first = 1; first + length <= 7; ++first) {
      if (HasRun(first, length)) return true;
    }
    return false;
  }
};

int UpperScore(const FaceCounts& counts, int face) { return face * counts.count[face]; }

int Score(Category category, const FaceCounts& counts) {
  switch (category) {
    case Category::Ones: return UpperScore(counts, 1);
    case Category::Twos: return UpperScore(counts, 2);
    case Category::Threes: return UpperScore(counts, 3);
    case Category::Fours: return UpperScore(counts, 4);
    case Category::Fives: return UpperScore(counts, 5);
    case Category::Sixes: return UpperScore(counts, 6);
    case Category::Chance: return counts.sum;
    case Category::ThreeKind: return counts.Largest() >= 3 ? counts.sum : 0;
    case Category::House: return counts.Largest() >= 3 && counts.HasExactly(2) ? 25 : 0;
    case Category::FourKind: return counts.Largest() >= 4 ? counts.sum : 0;
    case Category::FourRow: return counts.HasAnyRun(4) ? 30 : 0;
    case Category::FiveRow: return counts.HasAnyRun(5) ? 40 : 0;
    case Category::Tumbla: return counts.Largest() == 5 ? 50 : 0;
  }
  return 0;
}

IScoreEntry& Cell(Scorecard card, Category category) { return *card[CellIndex(category)]; }

// What Bonus shows when it carries no offer: "-" until the game's first commit has written
// TOTAL, the collected extras after it.
int SettledBonusValue(Scorecard card, const TurnScoring& state) {
  return card[kTotalIndex]->GetValue() < 0 ? -1 : state.m_nBonusTotal;
}

bool ExtraEarned(Scorecard card, const FaceCounts& counts) {
  const IScoreEntry& tumbla = Cell(card, Category::Tumbla);
  return tumbla.IsFilled() && tumbla.GetScore() == 50 && counts.Largest() == 5;
}

}  // namespace

int ScoreCategory(Category category, const DiceValues& dice) { return Score(category, FaceCounts(dice)); }

void ResetScorecard(Scorecard card, TurnScoring& state) {
  for (IScoreEntry* entry : card) {
    entry->SetValue(-1);
    entry->HideOffer();
    entry->SetFilled(false);
  }
  state.m_nBonusTotal = 0;
  state.m_bExtraPending = false;
}

void EvaluateRoll(const DiceValues& dice, Scorecard card, TurnScoring& state) {
  const FaceCounts counts(dice);
  state.m_nOffers = 0;
  for (Category category : kOfferOrder) {
    IScoreEntry& cell = Cell(card, category);
    if (cell.IsFilled()) continue;
    cell.SetValue(Score(category, counts));
    cell.ShowOffer();
    ++state.m_nOffers;
  }

  IScoreEntry& bonus = *card[kBonusIndex];
  // An extra the player already took this turn stays taken until the commit collects it;
  // one that is still on offer lapses unless this roll earns it again.
  const bool bExtraTaken = state.m_bExtraPending && !bonus.IsOffered();
  if (bExtraTaken) return;
  if (ExtraEarned(card, counts)) {
    bonus.SetValue(kExtraScore);
    bonus.ShowOffer();
    ++state.m_nOffers;
    state.m_bExtraPending = true;
  } else if (state.m_bExtraPending) {
    bonus.SetValueNoOffer(SettledBonusValue(card, state));
    state.m_bExtraPending = false;
  }
}

void WithdrawOffers(Scorecard card, TurnScoring& state) {
  for (int index = 0; index < kCategoryCount; ++index) {
    IScoreEntry& cell = *card[index];
    if (cell.IsOffered()) cell.SetValueNoOffer(-1);
  }
  IScoreEntry& bonus = *card[kBonusIndex];
  if (state.m_bExtraPending && bonus.IsOffered()) {
    bonus.SetValueNoOffer(SettledBonusValue(card, state));
    state.m_bExtraPending = false;
  }
}

int CommitTurn(Scorecard card, TurnScoring& state) {
  WithdrawOffers(card, state);
  int nSum = 0;
  int nFilled = 0;
  for (int index = 0; index < kCategoryCount; ++index) {
    nSum += card[index]->GetScore();
    if (card[index]->IsFilled()) ++nFilled;
  }

  IScoreEntry& bonus = *card[kBonusIndex];
  // An extra still pending after the withdrawal is one the player took.
  if (state.m_bExtraPending) state.m_nBonusTotal += bonus.GetScore();
  state.m_bExtraPending = false;
  bonus.SetValue(state.m_nBonusTotal);
  bonus.HideOffer();

  card[kTotalIndex]->SetValue(state.m_nBonusTotal + nSum);
  state.m_nOffers = 0;
  return nFilled;
}

int CountOfferedCells(Scorecard card) {
  return static_cast<int>(std::count_if(card.begin(), card.begin() + kBonusIndex + 1,
                                        [](const IScoreEntry* entry) { return entry->IsOffered(); }));
}
