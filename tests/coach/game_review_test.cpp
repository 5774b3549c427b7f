#include "coach/game_review.h"

#include <gtest/gtest.h>

#include "solved_table.h"

namespace {

using enum Category;

// Whole games through the board are the board's tests; here, the account of a few moments.
TEST(ReviewGame, CostsAddUpAndTheCostliestComeFirst) {
  const CardState card = OnlyOpen({Ones, Chance, FiveRow}, true);
  const Position straight{card, 200, 3, {1, 2, 3, 4, 5}};
  const Position fives{card, 200, 3, {5, 5, 5, 5, 5}};
  const Position nothing{card, 200, 2, {1, 1, 2, 6, 6}};
  const std::vector<PlayedChoice> choices = {
      {straight, Choice{ChoiceKind::Take, {}, Chance}},
      {fives, Choice{ChoiceKind::Take, {}, Ones}},
      {nothing, RankChoices(SolvedTable(), nothing).front()},
  };
  const GameReview review = ReviewGame(SolvedTable(), choices, 260);
  ASSERT_EQ(review.costliest.size(), 2u);
  EXPECT_EQ(review.costliest[0].played.position.dice, fives.dice);
  EXPECT_EQ(review.costliest[0].best.kind, ChoiceKind::Extra);
  EXPECT_EQ(review.costliest[1].best.category, FiveRow);
  for (const ChoiceCost& cost : review.costliest) {
    EXPECT_GT(cost.cost, 0.0);
    EXPECT_DOUBLE_EQ(cost.cost, cost.best.expect - cost.played.chosen.expect);
  }
  EXPECT_DOUBLE_EQ(review.givenUp, review.costliest[0].cost + review.costliest[1].cost);
  EXPECT_NEAR(review.expectedAtStart, 237.4206, 1e-4);
  EXPECT_DOUBLE_EQ(review.luck, 260 - review.expectedAtStart + review.givenUp);
}

TEST(ReviewGame, BestChoicesCostNothing) {
  const Position position{CardState{}, 0, 1, {1, 2, 3, 4, 6}};
  const Choice best = RankChoices(SolvedTable(), position).front();
  const ChoiceCost cost = CostOf(SolvedTable(), {position, Choice{best.kind, best.held, best.category}});
  EXPECT_EQ(cost.cost, 0.0);
  const GameReview review = ReviewGame(SolvedTable(), {{position, best}}, 250);
  EXPECT_TRUE(review.costliest.empty());
  EXPECT_EQ(review.givenUp, 0.0);
}

}  // namespace
