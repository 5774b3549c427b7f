#pragma once
// The player's choices of one game, each kept with its moment, and the account of them:
// what each gave up against best play, and the game's review. The choices are kept as they
// are made, whether or not the coach is shown, and are costed only when asked, so a game
// played with the coach off costs nothing until its review is wanted.
#include <vector>

#include "coach/advice.h"

struct PlayedChoice {
  Position position;
  Choice chosen;  // its expect is filled in by costing
};

struct ChoiceCost {
  PlayedChoice played;
  Choice best;
  // Best play's expectation minus the chosen one's at the moment of choosing; 0 when the
  // choice was best.
  double cost = 0.0;
};

ChoiceCost CostOf(const CCoachTable& table, const PlayedChoice& played);

struct GameReview {
  int finalTotal = 0;
  double expectedAtStart = 0.0;
  double givenUp = 0.0;
  // The rest of the difference from the expectation: final - expected + given up.
  double luck = 0.0;
  // Up to three, costliest first; choices that cost nothing are left out.
  std::vector<ChoiceCost> costliest;
};

GameReview ReviewGame(const CCoachTable& table, const std::vector<PlayedChoice>& choices, int finalTotal);
