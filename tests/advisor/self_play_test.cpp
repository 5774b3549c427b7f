#include "advisor/self_play.h"

#include <gtest/gtest.h>

#include "../coach/solved_table.h"

namespace {

// Best play's mean holds the table's expectation: within three standard errors, with enough
// games that three standard errors are under 4 points.
TEST(PlayBestGames, MeanMeetsTheExpectation) {
  const PlayStats stats = PlayBestGames(SolvedTable(), 2500, 2026);
  EXPECT_EQ(stats.games, 2500);
  EXPECT_LT(3 * stats.se, 4.0);
  EXPECT_NEAR(stats.mean, SolvedTable().Value(CardState{}), 3 * stats.se);
  // The same seed plays the same games.
  EXPECT_EQ(PlayBestGames(SolvedTable(), 20, 7).mean, PlayBestGames(SolvedTable(), 20, 7).mean);
}

}  // namespace
