#pragma once
// One turn of one card state, solved backwards from the third roll: the best take for
// every outcome, then the value of every kept multiset after the second and the first
// roll, then the turn's value before its first roll. The values are expected points still
// to come, given the values of the card states a take leads to.
#include <array>
#include <functional>

#include "coach/card_state.h"
#include "coach/kept_dice.h"

// The value of every later card state; only states a take leads to are asked for.
using LaterValues = std::function<double(CardState)>;

struct TurnValues {
  // Keeping a multiset after roll 1 (index 0) or roll 2 (index 1) and rolling the others.
  std::array<std::array<double, kKeptCount>, 2> keep{};
  // The turn's value before its first roll.
  double start = 0.0;
};

// The values of the takes: each open category's score plus the state it leads to; the
// extra is 100 plus the state's own value, which is the turn's start value itself.
struct TakeValues {
  explicit TakeValues(CardState state, const LaterValues& later);
  // The value of filling the category with what it scores.
  double Fill(Category category, int score) const;
  bool ExtraAllowed(const DiceValues& dice) const;

  CardState state;
  // Filling each open category: the state it leads to, for a Tumbla score of 0 and of 50.
  std::array<double, kCategoryCount> laterIfZero{};
  std::array<double, kCategoryCount> laterIfFifty{};
};

// The turn's value before its first roll: with the extra, the fixed point of its own
// equation, found by improving the choices until they repeat. Not for a full card.
double SolveTurnStart(const TakeValues& takes);
// The same with the state's own value known (from a table), as a query needs it.
void SolveTurnWithOwnValue(const TakeValues& takes, double ownValue, TurnValues& turn);
