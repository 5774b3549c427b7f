#include "history/game_statistics.h"

#include <algorithm>

namespace {
constexpr int kTumblaScore = 50;
}

GameStatistics ComputeStatistics(const std::vector<GameRecord>& games) {
  GameStatistics stats;
  stats.games = static_cast<int>(games.size());
  if (games.empty()) return stats;
  double sum = 0.0;
  double givenUp = 0.0;
  int tumblas = 0;
  int extraPoints = 0;
  stats.best = games.front().total;
  stats.worst = games.front().total;
  stats.totals.reserve(games.size());
  stats.runningMeans.reserve(games.size());
  stats.givenUp.reserve(games.size());
  for (const GameRecord& game : games) {
    sum += game.total;
    givenUp += game.givenUp;
    stats.best = std::max(stats.best, game.total);
    stats.worst = std::min(stats.worst, game.total);
    if (game.scores[static_cast<std::size_t>(CellIndex(Category::Tumbla))] == kTumblaScore) ++tumblas;
    extraPoints += game.extras;
    for (std::size_t i = 0; i < kCategoryCount; ++i) stats.categoryAverages[i] += game.scores[i];
    stats.totals.push_back(game.total);
    stats.givenUp.push_back(game.givenUp);
    const std::size_t count = std::min(stats.totals.size(), kRunningMeanGames);
    double window = 0.0;
    for (std::size_t i = stats.totals.size() - count; i < stats.totals.size(); ++i) window += stats.totals[i];
    stats.runningMeans.push_back(window / static_cast<double>(count));
  }
  const double count = stats.games;
  stats.mean = sum / count;
  stats.givenUpPerGame = givenUp / count;
  stats.tumblaRate = tumblas / count;
  stats.extrasPerGame = extraPoints / (count * kExtraScore);
  stats.extraPointsAverage = extraPoints / count;
  for (double& average : stats.categoryAverages) average /= count;
  std::vector<int> sorted = stats.totals;
  const std::size_t middle = sorted.size() / 2;
  std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(middle), sorted.end());
  stats.median = sorted[middle];
  if (sorted.size() % 2 == 0) {
    const int below = *std::max_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(middle));
    stats.median = (stats.median + below) / 2.0;
  }
  return stats;
}
