#pragma once
// How a player is doing, from the games of the history file, oldest first.
#include <array>
#include <vector>

#include "history/game_record.h"

constexpr std::size_t kRunningMeanGames = 10;

struct GameStatistics {
  int games = 0;
  // Of the TOTALs; 0 without games.
  double mean = 0.0;
  double median = 0.0;
  int best = 0;
  int worst = 0;
  // The share of games with TUMBLA scored, and the extras taken per game.
  double tumblaRate = 0.0;
  double extrasPerGame = 0.0;
  double givenUpPerGame = 0.0;
  // By category index: the average score.
  std::array<double, kCategoryCount> categoryAverages{};
  double extraPointsAverage = 0.0;
  // One a game, in the file's order: its TOTAL, the mean of the last ten TOTALs up to it (of
  // all of them before the tenth game), and the points its choices gave up.
  std::vector<int> totals;
  std::vector<double> runningMeans;
  std::vector<double> givenUp;
};

GameStatistics ComputeStatistics(const std::vector<GameRecord>& games);
