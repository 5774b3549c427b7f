// Random rolls on random scorecards, checked against a recount written straight from the
// rules rather than from the code under test.
#include <algorithm>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "rules/scoring.h"
#include "scorecard_fixture.h"

namespace {

using enum Category;

int Recount(Category category, DiceValues dice) {
  std::sort(dice.begin(), dice.end());
  const std::set<int> faces(dice.begin(), dice.end());
  int sum = 0;
  for (int value : dice) sum += value;
  auto run = [&](int from, int to) {
    for (int face = from; face <= to; ++face) {
      if (!faces.count(face)) return false;
    }
    return true;
  };
  // Sorted, a face shared by k dice fills k neighbouring places.
  auto ofAKind = [&](int k) {
    for (int i = 0; i + k <= 5; ++i) {
      if (dice[i] == dice[i + k - 1]) return true;
    }
    return false;
  };
  const bool fullHouse = faces.size() == 2 && (dice[1] != dice[2] || dice[2] != dice[3]);
  switch (category) {
    case Ones:
    case Twos:
    case Threes:
    case Fours:
    case Fives:
    case Sixes: {
      const int face = CellIndex(category) / 2 + 1;
      return face * static_cast<int>(std::count(dice.begin(), dice.end(), face));
    }
    case Chance: return sum;
    case ThreeKind: return ofAKind(3) ? sum : 0;
    case House: return fullHouse ? 25 : 0;
    case FourKind: return ofAKind(4) ? sum : 0;
    case FourRow: return run(1, 4) || run(2, 5) || run(3, 6) ? 30 : 0;
    case FiveRow: return run(1, 5) || run(2, 6) ? 40 : 0;
    case Tumbla: return faces.size() == 1 ? 50 : 0;
  }
  return -1;
}

class RandomScorecard {
 public:
  explicit RandomScorecard(unsigned seed) : random(seed) {}

  DiceValues Dice() {
    // Five of a kind is rare among fair rolls; force it often enough to reach the extra.
    std::uniform_int_distribution<int> face(1, 6);
    DiceValues dice{face(random), face(random), face(random), face(random), face(random)};
    if (Chance(0.2)) dice.fill(dice[0]);
    return dice;
  }

  void FillSome(HeadlessScorecard& card) {
    std::uniform_int_distribution<int> committed(0, 40);
    for (Category category : kOfferOrder) {
      if (!Chance(0.5)) continue;
      CScoreEntry& cell = card.At(category);
      cell.SetValueNoOffer(category == Tumbla ? (Chance(0.5) ? 50 : 0) : committed(random));
      cell.SetFilled(true);
    }
  }

  bool Chance(double p) { return std::bernoulli_distribution(p)(random); }

 private:
  std::mt19937 random;
};

TEST(EvaluateRollProperty, OffersMatchTheRulesAndTheOfferCountHolds) {
  RandomScorecard random(20261206);
  for (int trial = 0; trial < 3000; ++trial) {
    HeadlessScorecard card;
    random.FillSome(card);
    const bool tumblaFifty = card.At(Tumbla).IsFilled() && card.At(Tumbla).GetValue() == 50;
    std::array<int, kCategoryCount> committed{};
    for (int index = 0; index < kCategoryCount; ++index) committed[index] = card.At(index).GetValue();

    bool extraTaken = false;
    for (int roll = 0; roll < 3; ++roll) {
      const DiceValues dice = random.Dice();
      card.Roll(dice);
      int expectedOffers = 0;
      for (Category category : kOfferOrder) {
        const CScoreEntry& cell = card.At(category);
        if (cell.IsFilled()) {
          EXPECT_FALSE(cell.IsOffered());
          EXPECT_EQ(cell.GetValue(), committed[CellIndex(category)]);
        } else {
          EXPECT_TRUE(cell.IsOffered());
          EXPECT_EQ(cell.GetValue(), Recount(category, dice));
          ++expectedOffers;
        }
      }
      const bool extraEarned = tumblaFifty && Recount(Tumbla, dice) == 50;
      EXPECT_EQ(card.Bonus().IsOffered(), extraEarned && !extraTaken);
      if (card.Bonus().IsOffered()) ++expectedOffers;
      EXPECT_EQ(card.state.m_nOffers, expectedOffers);
      EXPECT_EQ(CountOfferedCells(card.Card()), card.state.m_nOffers);

      if (card.Bonus().IsOffered() && random.Chance(0.3)) extraTaken = card.Bonus().Take();
    }
    CommitTurn(card.Card(), card.state);
    EXPECT_EQ(card.state.m_nBonusTotal, extraTaken ? 100 : 0);
    EXPECT_EQ(CountOfferedCells(card.Card()), 0);
  }
}

}  // namespace
