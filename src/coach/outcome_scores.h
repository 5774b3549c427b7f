#pragma once
// What every category scores for every outcome of five dice, asked of the rules once.
#include <array>
#include <cstdint>

#include "coach/kept_dice.h"

struct OutcomeScores {
  std::array<std::array<std::uint8_t, kOutcomeCount>, kCategoryCount> score{};
  std::array<bool, kOutcomeCount> fiveOfAKind{};
};

const OutcomeScores& TheOutcomeScores();
// Whether some five dice score this in the category.
bool CanHold(Category category, int score);
