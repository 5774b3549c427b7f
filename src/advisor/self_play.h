#pragma once
// Whole games played with the coach's best choice at every moment, through the rules as the
// board runs them (the scorecard, EvaluateRoll, CommitTurn) and the game's dice.
#include <cstdint>

#include "coach/coach_table.h"

struct PlayStats {
  int games = 0;
  double mean = 0.0;
  double sd = 0.0;
  double se = 0.0;
};

// The final TOTAL of one game with the platform's dice as they are.
int PlayBestGame(const CCoachTable& table);
// nGames games with the dice seeded by seed; at least two games.
PlayStats PlayBestGames(const CCoachTable& table, int nGames, std::uint32_t seed);
