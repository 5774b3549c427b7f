#include "coach/advice.h"

#include <gtest/gtest.h>

#include "solved_table.h"

namespace {

using enum Category;

FaceCounts Held(std::initializer_list<int> values) {
  FaceCounts held{};
  for (int value : values) ++held[static_cast<std::size_t>(value - 1)];
  return held;
}

TEST(RankChoices, BeforeTheFirstRollOnlyRolling) {
  const CCoachTable& table = SolvedTable();
  const auto choices = RankChoices(table, Position{CardState{}, 0, 0, {}});
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0].kind, ChoiceKind::Roll);
  EXPECT_EQ(choices[0].expect, table.Value(CardState{}));
}

TEST(RankChoices, EveryDistinctHoldAndEveryOpenTake) {
  const CardState card = OnlyOpen({Ones, Chance, House});
  const auto choices = RankChoices(SolvedTable(), Position{card, 120, 1, {2, 1, 2, 1, 3}});
  // 3 x 3 x 2 distinct holds of 1 1 2 2 3, and three takes.
  EXPECT_EQ(choices.size(), 18u + 3u);
  EXPECT_TRUE(std::is_sorted(choices.begin(), choices.end(),
                             [](const Choice& a, const Choice& b) { return a.expect > b.expect; }));
  for (const Choice& choice : choices) EXPECT_GT(choice.expect, 120.0);

  const auto lastRoll = RankChoices(SolvedTable(), Position{card, 120, 3, {2, 1, 2, 1, 3}});
  ASSERT_EQ(lastRoll.size(), 3u);
  // 5 Row is filled: only what the open categories score counts.
  EXPECT_EQ(lastRoll[0].kind, ChoiceKind::Take);
}

TEST(RankChoices, TakeRanksAboveHoldingAllFiveForTheSameValue) {
  const auto choices = RankChoices(SolvedTable(), Position{CardState{}, 0, 2, {4, 4, 4, 4, 4}});
  EXPECT_EQ(choices[0].kind, ChoiceKind::Take);
  EXPECT_EQ(choices[0].category, Tumbla);
  EXPECT_EQ(choices[1].kind, ChoiceKind::Hold);
  EXPECT_EQ(choices[1].held, Held({4, 4, 4, 4, 4}));
  EXPECT_EQ(choices[1].expect, choices[0].expect);
}

TEST(RankChoices, ExtraOnlyWhileTumblaHolds50) {
  const CardState card = OnlyOpen({Ones, Sixes}, true);
  const auto choices = RankChoices(SolvedTable(), Position{card, 200, 3, {6, 6, 6, 6, 6}});
  ASSERT_EQ(choices.size(), 3u);
  EXPECT_EQ(choices[0].kind, ChoiceKind::Extra);
  EXPECT_DOUBLE_EQ(choices[0].expect, 200 + 100 + SolvedTable().Value(card));

  const auto noExtra = RankChoices(SolvedTable(), Position{OnlyOpen({Ones, Sixes}), 200, 3, {6, 6, 6, 6, 6}});
  ASSERT_EQ(noExtra.size(), 2u);
  EXPECT_EQ(noExtra[0].category, Sixes);
}

TEST(RankChoices, ChasesTheRunAfterAFirstRollOnAnEmptyCard) {
  const auto choices = RankChoices(SolvedTable(), Position{CardState{}, 0, 1, {1, 2, 3, 4, 6}});
  EXPECT_EQ(choices[0].kind, ChoiceKind::Hold);
  EXPECT_EQ(choices[0].held, Held({1, 2, 3, 4}));
}

}  // namespace
