#include "rules/scoring.h"

#include <gtest/gtest.h>

#include "scorecard_fixture.h"

namespace {

using enum Category;

struct WorkedExample {
  DiceValues dice;
  // Ones, Twos, Threes, Fours, Fives, Sixes, Chance, 3 Kind, House, 4 Kind, 4 Row, 5 Row, TUMBLA
  std::array<int, kCategoryCount> scores;
};

const WorkedExample kWorkedExamples[] = {
    {{3, 3, 3, 5, 5}, {0, 0, 9, 0, 10, 0, 19, 19, 25, 0, 0, 0, 0}},
    {{1, 2, 3, 4, 6}, {1, 2, 3, 4, 0, 6, 16, 0, 0, 0, 30, 0, 0}},
    {{1, 3, 4, 5, 6}, {1, 0, 3, 4, 5, 6, 19, 0, 0, 0, 30, 0, 0}},
    {{2, 3, 4, 5, 6}, {0, 2, 3, 4, 5, 6, 20, 0, 0, 0, 30, 40, 0}},
    {{4, 4, 4, 4, 2}, {0, 2, 0, 16, 0, 0, 18, 18, 0, 18, 0, 0, 0}},
    {{6, 6, 6, 6, 6}, {0, 0, 0, 0, 0, 30, 30, 30, 0, 30, 0, 0, 50}},
    {{1, 1, 2, 2, 3}, {2, 4, 3, 0, 0, 0, 9, 0, 0, 0, 0, 0, 0}},
};

TEST(ScoreCategory, WorkedExamples) {
  for (const WorkedExample& example : kWorkedExamples) {
    for (int i = 0; i < kCategoryCount; ++i) {
      EXPECT_EQ(ScoreCategory(kOfferOrder[i], example.dice), example.scores[i])
          << "dice " << example.dice[0] << example.dice[1] << example.dice[2] << example.dice[3]
          << example.dice[4] << ", category " << i;
    }
  }
}

TEST(ScoreCategory, DieWithoutFaceCountsForNothing) {
  EXPECT_EQ(ScoreCategory(Chance, {0, 7, 1, 1, 1}), 3);
  EXPECT_EQ(ScoreCategory(ThreeKind, {0, 7, 1, 1, 1}), 3);
  EXPECT_EQ(ScoreCategory(Tumbla, {0, 0, 0, 0, 0}), 0);
}

TEST(EvaluateRoll, OffersEveryOpenCategoryInItsCellEvenWhenZero) {
  HeadlessScorecard card;
  card.Roll({3, 3, 3, 5, 5});
  EXPECT_EQ(card.state.m_nOffers, 13);
  EXPECT_EQ(CountOfferedCells(card.Card()), 13);
  EXPECT_EQ(card.At(House).GetValue(), 25);
  EXPECT_EQ(card.At(ThreeKind).GetValue(), 19);
  EXPECT_TRUE(card.At(Ones).IsOffered());
  EXPECT_EQ(card.At(Ones).GetValue(), 0);
  EXPECT_FALSE(card.Bonus().IsOffered());
  EXPECT_EQ(card.Bonus().GetValue(), -1);
  EXPECT_FALSE(card.Total().IsOffered());
}

TEST(CommitTurn, WithdrawsUntakenOffersAndWritesTotals) {
  HeadlessScorecard card;
  EXPECT_EQ(card.Bonus().GetValue(), -1);
  EXPECT_EQ(card.Total().GetValue(), -1);
  card.Roll({3, 3, 3, 5, 5});
  EXPECT_EQ(card.TakeAndCommit(card.At(House)), 1);
  EXPECT_EQ(CountOfferedCells(card.Card()), 0);
  EXPECT_EQ(card.state.m_nOffers, 0);
  EXPECT_EQ(card.At(ThreeKind).GetValue(), -1);
  EXPECT_EQ(card.At(House).GetValue(), 25);
  EXPECT_EQ(card.Bonus().GetValue(), 0);
  EXPECT_EQ(card.Total().GetValue(), 25);
}

TEST(CommitTurn, ScratchedCategoryCountsAsFilledWithZero) {
  HeadlessScorecard card;
  EXPECT_EQ(card.Score(FiveRow, {1, 1, 2, 2, 3}), 1);
  EXPECT_TRUE(card.At(FiveRow).IsFilled());
  EXPECT_EQ(card.At(FiveRow).GetValue(), 0);
  EXPECT_EQ(card.Total().GetValue(), 0);
}

// Plays Tumbla with 50 first, so that every later five of a kind earns the extra.
class ExtraOffer : public ::testing::Test {
 protected:
  void SetUp() override { card.Score(Tumbla, {2, 2, 2, 2, 2}); }
  HeadlessScorecard card;
};

TEST_F(ExtraOffer, RepeatedFiveOfAKindOffersOneHundredInBonus) {
  card.Roll({6, 6, 6, 6, 6});
  EXPECT_TRUE(card.Bonus().IsOffered());
  EXPECT_EQ(card.Bonus().GetValue(), 100);
  EXPECT_EQ(card.state.m_nOffers, 12 + 1);
  EXPECT_EQ(CountOfferedCells(card.Card()), card.state.m_nOffers);
  EXPECT_TRUE(card.state.m_bExtraPending);
}

TEST_F(ExtraOffer, TakingTheExtraAddsToBonusAndTotalAndFillsNothing) {
  card.Roll({6, 6, 6, 6, 6});
  EXPECT_EQ(card.TakeAndCommit(card.Bonus()), 1);
  EXPECT_EQ(card.Bonus().GetValue(), 100);
  EXPECT_FALSE(card.Bonus().IsFilled());
  EXPECT_EQ(card.Total().GetValue(), 150);
  EXPECT_EQ(card.state.m_nBonusTotal, 100);
  EXPECT_FALSE(card.At(Sixes).IsFilled());
}

TEST_F(ExtraOffer, TakingACategoryLetsTheExtraGoForGood) {
  card.Roll({6, 6, 6, 6, 6});
  card.TakeAndCommit(card.At(Sixes));
  EXPECT_EQ(card.Bonus().GetValue(), 0);
  EXPECT_EQ(card.Total().GetValue(), 80);
  card.Score(Ones, {1, 2, 3, 4, 5});
  card.Score(Twos, {2, 2, 3, 4, 5});
  EXPECT_EQ(card.Bonus().GetValue(), 0);
  EXPECT_EQ(card.Total().GetValue(), 50 + 30 + 1 + 4);
}

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

TEST_F(ExtraOffer, RenewedByTheNextRollStaysOnOffer) {
  card.Roll({6, 6, 6, 6, 6});
  card.Roll({3, 3, 3, 3, 3});
  EXPECT_TRUE(card.Bonus().IsOffered());
  EXPECT_EQ(card.state.m_nOffers, 13);
  card.TakeAndCommit(card.Bonus());
  EXPECT_EQ(card.state.m_nBonusTotal, 100);
}

// The player may take the extra and roll again before the board's tick commits the turn.
TEST_F(ExtraOffer, TakenExtraSurvivesARollBeforeTheCommit) {
  card.Roll({6, 6, 6, 6, 6});
  card.Bonus().Take();
  card.Roll({1, 2, 3, 4, 6});
  EXPECT_EQ(card.state.m_nOffers, 12);
  EXPECT_EQ(CountOfferedCells(card.Card()), 12);
  card.Roll({6, 6, 6, 6, 6});
  EXPECT_FALSE(card.Bonus().IsOffered());
  card.TakeAndCommit(card.At(Sixes));
  EXPECT_EQ(card.state.m_nBonusTotal, 100);
  EXPECT_EQ(card.Total().GetValue(), 50 + 30 + 100);
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

TEST(ExtraOfferAfterZeroTumbla, NeverComes) {
  HeadlessScorecard card;
  card.Score(Tumbla, {1, 2, 3, 4, 6});
  card.Roll({6, 6, 6, 6, 6});
  EXPECT_FALSE(card.Bonus().IsOffered());
  EXPECT_EQ(card.state.m_nOffers, 12);
}

TEST(WholeGame, TotalIsTheThirteenScoresPlusEachExtraTaken) {
  HeadlessScorecard card;
  int nFilled = card.Score(Tumbla, {5, 5, 5, 5, 5});
  card.Roll({1, 1, 1, 1, 1});
  nFilled = card.TakeAndCommit(card.Bonus());
  EXPECT_EQ(nFilled, 1);
  nFilled = card.Score(Ones, {1, 1, 1, 2, 3});
  nFilled = card.Score(Twos, {2, 2, 1, 5, 3});
  nFilled = card.Score(Threes, {3, 3, 3, 3, 6});
  nFilled = card.Score(Fours, {4, 1, 2, 3, 6});
  nFilled = card.Score(Fives, {5, 5, 1, 2, 3});
  card.Roll({6, 6, 6, 6, 6});
  nFilled = card.TakeAndCommit(card.Bonus());
  nFilled = card.Score(Sixes, {6, 6, 6, 6, 6});
  nFilled = card.Score(Chance, {6, 6, 5, 5, 4});
  nFilled = card.Score(ThreeKind, {4, 4, 4, 2, 1});
  nFilled = card.Score(House, {2, 2, 6, 6, 6});
  nFilled = card.Score(FourKind, {3, 3, 3, 3, 1});
  nFilled = card.Score(FourRow, {3, 4, 5, 6, 6});
  EXPECT_EQ(nFilled, 12);
  nFilled = card.Score(FiveRow, {1, 2, 3, 4, 5});
  EXPECT_EQ(nFilled, 13);
  const int nScores = 50 + 3 + 4 + 12 + 4 + 10 + 30 + 26 + 15 + 25 + 13 + 30 + 40;
  EXPECT_EQ(card.Total().GetValue(), nScores + 2 * 100);
  EXPECT_EQ(card.Bonus().GetValue(), 200);
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
