#pragma once
// Every choice open at a moment of a turn, with the expected final TOTAL it leads to under
// best play, best first.
#include <vector>

#include "coach/coach_table.h"
#include "coach/kept_dice.h"

constexpr int kRollsInTurn = 3;

struct Position {
  CardState card;
  // The points on the card: the filled categories and the extras taken.
  int points = 0;
  // Rolls made this turn, 0 to 3; the dice count from the first.
  int rollsMade = 0;
  DiceValues dice{};
};

enum class ChoiceKind { Roll, Hold, Take, Extra };

struct Choice {
  ChoiceKind kind = ChoiceKind::Roll;
  // For a hold: the dice kept.
  FaceCounts held{};
  // For a take.
  Category category = Category::Ones;
  double expect = 0.0;

  bool SameAs(const Choice& other) const {
    return kind == other.kind && held == other.held && (kind != ChoiceKind::Take || category == other.category);
  }
};

// Needs a complete table and a card that is not full. A take ranks above a hold of the same
// value (holding all five and rolling again only delays the same take).
std::vector<Choice> RankChoices(const CCoachTable& table, const Position& position);
