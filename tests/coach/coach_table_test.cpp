#include "coach/coach_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "coach/advice.h"
#include "solved_table.h"

namespace {

using enum Category;

TEST(CoachTable, KnownExpectations) {
  const CCoachTable& table = SolvedTable();
  EXPECT_NEAR(table.Value(CardState{}), 237.4206, 1e-4);
  EXPECT_NEAR(table.Value(OnlyOpen({Chance})), 23.3333, 1e-4);
  // 50 times the chance of five of a kind within three rolls.
  EXPECT_NEAR(table.Value(OnlyOpen({Tumbla})), 2.3014, 1e-4);
  EXPECT_EQ(table.Value(OnlyOpen({})), 0.0);
}

TEST(CoachTable, SolvedInSlicesEqualsSolvedAtOnce) {
  CCoachTable table;
  int nSlices = 0;
  while (!table.SolveSome(1000)) ++nSlices;
  EXPECT_GT(nSlices, 10);
  EXPECT_EQ(table.Value(CardState{}), SolvedTable().Value(CardState{}));
}

// A count over every ordered roll of the dice not held and every subset of dice held, with
// nothing shared with the engine but the rules' scores.
class BruteForce {
 public:
  using Later = std::function<double(Category, int score)>;
  BruteForce(std::vector<Category> open, bool tumblaHolds50, double ownValue, Later later)
      : m_open(std::move(open)), m_tumblaHolds50(tumblaHolds50), m_ownValue(ownValue), m_later(std::move(later)) {}

  // The value before the turn's first roll.
  double Start() { return MeanOfRolls({}, 0, kRollsInTurn - 1); }

  // The best value with these dice showing and rollsLeft rolls left.
  double Best(DiceValues dice, int rollsLeft) {
    std::sort(dice.begin(), dice.end());
    int key = rollsLeft;
    for (int value : dice) key = key * 6 + value - 1;
    double& memo = m_memo[static_cast<std::size_t>(key)];
    if (memo >= 0.0) return memo;
    double best = -1.0;
    for (Category category : m_open) {
      const int score = ScoreCategory(category, dice);
      best = std::max(best, score + m_later(category, score));
    }
    if (m_tumblaHolds50 && dice[0] == dice[4]) best = std::max(best, 100 + m_ownValue);
    if (rollsLeft > 0) {
      for (unsigned held = 0; held < 32; ++held) {
        DiceValues kept{};
        int nKept = 0;
        for (int die = 0; die < 5; ++die) {
          if ((held >> die & 1u) != 0) kept[static_cast<std::size_t>(nKept++)] = dice[static_cast<std::size_t>(die)];
        }
        best = std::max(best, MeanOfRolls(kept, nKept, rollsLeft - 1));
      }
    }
    memo = best;
    return best;
  }

 private:
  double MeanOfRolls(DiceValues dice, int nKept, int rollsLeftAfter) {
    int nOrdered = 1;
    for (int die = nKept; die < 5; ++die) nOrdered *= 6;
    double sum = 0.0;
    for (int ordered = 0; ordered < nOrdered; ++ordered) {
      int rest = ordered;
      for (int die = nKept; die < 5; ++die) {
        dice[static_cast<std::size_t>(die)] = rest % 6 + 1;
        rest /= 6;
      }
      sum += Best(dice, rollsLeftAfter);
    }
    return sum / nOrdered;
  }

  std::vector<Category> m_open;
  bool m_tumblaHolds50;
  double m_ownValue;
  Later m_later;
  std::vector<double> m_memo = std::vector<double>(3 * 7776, -1.0);
};

TEST(CoachTable, TwoOpenCategoriesAgreeWithBruteForce) {
  const CCoachTable& table = SolvedTable();
  const auto single = [](Category category) {
    return BruteForce({category}, false, 0.0, [](Category, int) { return 0.0; }).Start();
  };
  const double chanceOnly = single(Chance);
  const double houseOnly = single(House);
  EXPECT_NEAR(table.Value(OnlyOpen({Chance})), chanceOnly, 1e-9);
  EXPECT_NEAR(table.Value(OnlyOpen({House})), houseOnly, 1e-9);

  BruteForce pair({Chance, House}, false, 0.0,
                  [&](Category filled, int) { return filled == Chance ? houseOnly : chanceOnly; });
  EXPECT_NEAR(table.Value(OnlyOpen({Chance, House})), pair.Start(), 1e-9);

  // Every choice the advice ranks for a position is the count's best from there.
  const Position position{OnlyOpen({Chance, House}), 0, 1, {2, 2, 5, 5, 6}};
  EXPECT_NEAR(RankChoices(table, position).front().expect, pair.Best(position.dice, 2), 1e-9);
}

TEST(CoachTable, ExtraValueIsItsOwnFixedPoint) {
  const CCoachTable& table = SolvedTable();
  const double withExtra = table.Value(OnlyOpen({Chance}, true));
  EXPECT_GT(withExtra, table.Value(OnlyOpen({Chance})) + 2.0);
  // The turn counted with the table's value as the extra's later turns gives that value back.
  BruteForce turn({Chance}, true, withExtra, [](Category, int) { return 0.0; });
  EXPECT_NEAR(turn.Start(), withExtra, 1e-9);
}

}  // namespace
