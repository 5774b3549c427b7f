#include "rules/scoring.h"

#include <gtest/gtest.h>

#include "scorecard_fixture.h"

namespace {

using enum Category;

TEST(ScoreCategory, DieWithoutFaceCountsForNothing) {
  EXPECT_EQ(ScoreCategory(Chance, {0, 7, 1, 1, 1}), 3);
  EXPECT_EQ(ScoreCategory(ThreeKind, {0, 7, 1, 1, 1}), 3);
  EXPECT_EQ(ScoreCategory(Tumbla, {0, 0, 0, 0, 0}), 0);
}

// Plays Tumbla with 50 first, so that every later five of a kind earns the extra.
class ExtraOffer : public ::testing::Test {
 protected:
  void SetUp() override { card.Score(Tumbla, {2, 2, 2, 2, 2}); }
  HeadlessScorecard card;
};

TEST_F(ExtraOffer, LapsesAtTheNextRollThatDoesNotRenewIt) {
  card.Roll({6, 6, 6, 6, 6});
  card.Roll({6, 6, 6, 6, 1});
  EXPECT_FALSE(card.Bonus().IsOffered());
  EXPECT_EQ(card.Bonus().GetValue(), 0);
  EXPECT_FALSE(card.state.m_bExtraPending);
  EXPECT_EQ(card.state.m_nOffers, 12);
  EXPECT_EQ(CountOfferedCells(card.Card()), 12);

  // The tick sees exactly one offer fewer once a category is taken.
  card.At(FourKind).Take();
  EXPECT_EQ(CountOfferedCells(card.Card()), card.state.m_nOffers - 1);
  CommitTurn(card.Card(), card.state);
  EXPECT_EQ(card.state.m_nBonusTotal, 0);
}

TEST_F(ExtraOffer, LapsedExtraKeepsTheBonusCollectedBefore) {
  card.Roll({4, 4, 4, 4, 4});
  card.TakeAndCommit(card.Bonus());
  card.Roll({5, 5, 5, 5, 5});
  card.Roll({5, 5, 5, 5, 1});
  EXPECT_EQ(card.Bonus().GetValue(), 100);
  EXPECT_FALSE(card.Bonus().IsOffered());
}

// A Tumbla filled by a tap, then another roll before the first commit of the game.
TEST(ExtraOfferBeforeFirstCommit, LapsingKeepsBonusWithoutValue) {
  HeadlessScorecard card;
  card.Roll({2, 2, 2, 2, 2});
  card.At(Tumbla).Take();
  card.Roll({3, 3, 3, 3, 3});
  EXPECT_TRUE(card.Bonus().IsOffered());
  card.Roll({3, 3, 3, 3, 1});
  EXPECT_EQ(card.Bonus().GetValue(), -1);
  EXPECT_EQ(CountOfferedCells(card.Card()), card.state.m_nOffers);
}

TEST(NewGame, ClearsTheCardAndTheExtrasButNotTheOfferCount) {
  HeadlessScorecard card;
  card.Score(Tumbla, {5, 5, 5, 5, 5});
  card.Roll({1, 1, 1, 1, 1});
  card.TakeAndCommit(card.Bonus());
  card.Roll({1, 1, 1, 1, 1});
  ResetScorecard(card.Card(), card.state);
  for (int index = 0; index < kScorecardSize; ++index) {
    EXPECT_EQ(card.At(index).GetValue(), -1);
    EXPECT_FALSE(card.At(index).IsOffered());
    EXPECT_FALSE(card.At(index).IsFilled());
  }
  EXPECT_EQ(card.state.m_nBonusTotal, 0);
  EXPECT_FALSE(card.state.m_bExtraPending);
  EXPECT_EQ(card.state.m_nOffers, 12 + 1);
}

}  // namespace
