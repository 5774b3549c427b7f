#pragma once
// What the rest of a game depends on: which categories are filled, and whether TUMBLA holds
// 50 (only then does a repeated five of a kind earn the extra). The points already on the
// card only add to every expectation.
#include <cstdint>

#include "rules/scoring.h"

constexpr std::uint16_t kAllFilled = (1u << kCategoryCount) - 1;
constexpr int kCardStateCount = (kAllFilled + 1) * 2;

struct CardState {
  std::uint16_t filled = 0;  // bit i: the category with value i
  bool tumblaHolds50 = false;

  bool IsFilled(Category category) const { return (filled >> CellIndex(category) & 1u) != 0; }
  bool IsFull() const { return filled == kAllFilled; }
  int Index() const { return filled * 2 + (tumblaHolds50 ? 1 : 0); }
  // The card after the category is filled with the score.
  CardState Filling(Category category, int score) const {
    CardState next{static_cast<std::uint16_t>(filled | 1u << CellIndex(category)), tumblaHolds50};
    if (category == Category::Tumbla) next.tumblaHolds50 = score == 50;
    return next;
  }
};
