#pragma once
// A game's moves as the history file keeps them: turns separated by ';', each turn its
// steps separated by spaces. A roll is the five dice top to bottom; after it comes the hold
// for the next roll, 'h' and the held values ascending, or the take that ends the turn,
// "t:" and the board's label without spaces ("t:Bonus" for the extra). The choices a game
// kept are the moves, so the one is read back into the other by playing the moves again
// through the rules.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "coach/game_review.h"

std::string MovesText(const std::vector<PlayedChoice>& choices);

struct ReplayedMoves {
  std::vector<PlayedChoice> choices;
  // The card and its points after the last take.
  Position end;
  // Each category's score by its index, -1 while open.
  std::array<int, kCategoryCount> scores{};
  int extras = 0;
};

// Nothing unless every step is well formed and legal: a hold of dice the roll showed, at
// most three rolls a turn, a take of an open category, the extra only when the rules offer
// it. Every turn ends with its take, unless bOpenLastTurn lets the last one stop after a
// hold (a game in progress).
std::optional<ReplayedMoves> ReplayMoves(std::string_view text, bool bOpenLastTurn);
