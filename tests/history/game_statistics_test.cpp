#include "history/game_statistics.h"

#include <gtest/gtest.h>

#include "coach/solved_table.h"
#include "history/best_play_averages.h"
#include "history/games_file.h"
#include "known_games.h"

namespace {

using enum Category;

TEST(GameStatistics, OfAKnownFile) {
  std::string text = std::string(kGamesHeader) + "\n";
  for (const GameRecord& game : {Game370(), Game270(), Game220(), Game270()}) text += FormatGameLine(game) + "\n";
  const GameStatistics stats = ComputeStatistics(ReadGamesText(text).games);
  EXPECT_EQ(stats.games, 4);
  EXPECT_DOUBLE_EQ(stats.mean, 282.5);
  EXPECT_DOUBLE_EQ(stats.median, 270.0);
  EXPECT_EQ(stats.best, 370);
  EXPECT_EQ(stats.worst, 220);
  EXPECT_DOUBLE_EQ(stats.tumblaRate, 0.75);
  EXPECT_DOUBLE_EQ(stats.extrasPerGame, 0.25);
  EXPECT_DOUBLE_EQ(stats.extraPointsAverage, 25.0);
  EXPECT_DOUBLE_EQ(stats.givenUpPerGame, (12.5 + 30.25 + 45.0 + 30.25) / 4);
  EXPECT_DOUBLE_EQ(stats.categoryAverages[CellIndex(Tumbla)], 37.5);
  EXPECT_DOUBLE_EQ(stats.categoryAverages[CellIndex(Chance)], 20.0);
  EXPECT_EQ(stats.totals, (std::vector<int>{370, 270, 220, 270}));
  EXPECT_EQ(stats.runningMeans, (std::vector<double>{370.0, 320.0, 860.0 / 3, 282.5}));
  EXPECT_EQ(stats.givenUp, (std::vector<double>{12.5, 30.25, 45.0, 30.25}));
}

TEST(GameStatistics, TheRunningMeanKeepsToTheLastTenGamesAndAnOddCountHasAMiddleGame) {
  std::vector<GameRecord> games(10, Game220());
  games.push_back(Game370());
  const GameStatistics stats = ComputeStatistics(games);
  EXPECT_DOUBLE_EQ(stats.runningMeans.back(), (9 * 220 + 370) / 10.0);
  EXPECT_DOUBLE_EQ(stats.median, 220.0);
  EXPECT_EQ(ComputeStatistics({}).games, 0);
}

TEST(BestPlayAverages, AddUpToBestPlaysExpectedTotal) {
  const CategoryAverages averages = BestPlayAverages(SolvedTable());
  double sum = averages.extras;
  for (double average : averages.categories) sum += average;
  EXPECT_NEAR(sum, 237.4206, 0.001);
  EXPECT_NEAR(sum, SolvedTable().Value(CardState{}), 1e-9);
  // Chance is never worse than its least and best play often fills it late with little.
  for (double average : averages.categories) EXPECT_GT(average, 0.0);
  EXPECT_LT(averages.categories[CellIndex(Tumbla)], 50.0);
  EXPECT_GT(averages.extras, 0.0);
}

}  // namespace
