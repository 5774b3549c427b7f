#pragma once
// What best play scores in each category on average, found by following its choices forward
// from an empty card: every card state is reached with some probability, and each turn from
// it takes each category with each score, or the extra, with probabilities the best choices
// and the dice decide. The averages and the extras add up to best play's expected TOTAL.
#include <array>

#include "coach/coach_table.h"

struct CategoryAverages {
  // By category index.
  std::array<double, kCategoryCount> categories{};
  // The points of the extras.
  double extras = 0.0;
};

// Needs a complete table.
CategoryAverages BestPlayAverages(const CCoachTable& table);
