// Whole games and the 100-point extra, played on the board through GO and cell taps. That a
// TUMBLA scored 0 earns no extra is the scoring property's.
#include <array>

#include "board_fixture.h"

namespace {
struct Turn {
  DiceValues dice;
  Category taken;
  int score;
};

// Every category once, top of the board first; TOTAL ends at 279.
constexpr std::array<Turn, kCategoryCount> kGame = {{
    {{1, 1, 1, 2, 3}, Category::Ones, 3},
    {{2, 2, 2, 5, 6}, Category::Twos, 6},
    {{3, 3, 3, 1, 2}, Category::Threes, 9},
    {{4, 4, 4, 1, 2}, Category::Fours, 12},
    {{5, 5, 5, 1, 2}, Category::Fives, 15},
    {{6, 6, 6, 1, 2}, Category::Sixes, 18},
    {{6, 6, 6, 5, 5}, Category::ThreeKind, 28},
    {{4, 4, 4, 4, 6}, Category::FourKind, 22},
    {{2, 2, 3, 3, 3}, Category::House, 25},
    {{1, 2, 3, 4, 6}, Category::FourRow, 30},
    {{2, 3, 4, 5, 6}, Category::FiveRow, 40},
    {{5, 5, 5, 5, 5}, Category::Tumbla, 50},
    {{1, 3, 5, 6, 6}, Category::Chance, 21},
}};
constexpr int kGameTotal = 279;

constexpr int Index(Category category) { return CellIndex(category); }
}  // namespace

class BoardGame : public BoardTest {
 protected:
  void RollFaces(const DiceValues& dice) { Roll({dice[0], dice[1], dice[2], dice[3], dice[4]}); }

  // Plays the whole game, one roll per turn, checking the card after every roll and commit.
  void ScriptWholeGame() {
    auto committed = std::make_shared<std::array<int, kCategoryCount>>();
    committed->fill(-1);
    auto total = std::make_shared<int>(0);
    for (const Turn& turn : kGame) {
      RollFaces(turn.dice);
      Check([this, turn, committed] {
        EXPECT_EQ(RollsShown(), u"2");
        for (int c = 0; c < kCategoryCount; ++c) {
          const int expected =
              (*committed)[c] >= 0 ? (*committed)[c] : ScoreCategory(static_cast<Category>(c), turn.dice);
          EXPECT_EQ(CellValue(c), expected) << "cell " << c;
          EXPECT_EQ(CellOffered(c), (*committed)[c] < 0) << "cell " << c;
        }
        EXPECT_FALSE(CellOffered(kBonusIndex));
        EXPECT_FALSE(CellOffered(kTotalIndex));
      });
      Take(Index(turn.taken));
      Check([this, turn, committed, total] {
        (*committed)[Index(turn.taken)] = turn.score;
        *total += turn.score;
        for (int c = 0; c < kCategoryCount; ++c) {
          EXPECT_EQ(CellValue(c), (*committed)[c]) << "cell " << c;
          EXPECT_FALSE(CellOffered(c));
          EXPECT_EQ(m_board.Cell(c).IsFilled(), (*committed)[c] >= 0);
        }
        EXPECT_EQ(CellValue(kBonusIndex), 0);
        EXPECT_EQ(CellValue(kTotalIndex), *total);
      });
    }
  }
};

// The board before the first roll is held by its reference image.
TEST_F(BoardGame, AWholeGameOffersScoresAndTotalsEveryTurn) {
  ScriptWholeGame();
  Check([this] {
    EXPECT_EQ(CellValue(kTotalIndex), kGameTotal);
    EXPECT_FALSE(m_board.IsGameStarted());
  });
  Run();
}

TEST_F(BoardGame, AfterTheGameGoIsRefusedUntilANewGame) {
  // The last category is taken on the first roll of its turn, so two rolls are left; they
  // could otherwise offer the extra after a TUMBLA of 50 and end the game a second time.
  ScriptWholeGame();
  Check([this] { m_ui.ClearRecords(); });
  Roll({});
  Check([this] {
    EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>({u"WAV_6"}));
    EXPECT_EQ(RollsShown(), u"2");
    EXPECT_EQ(OfferedCount(), 0);
    EXPECT_EQ(CellValue(kTotalIndex), kGameTotal);
  });
  m_ui.ChooseMenu(u"New Game").Wait(kTick);
  Roll({5, 5, 5, 5, 5});
  Check([this] {
    EXPECT_EQ(RollsShown(), u"2");
    EXPECT_EQ(CellValue(Index(Category::Tumbla)), 50);
    EXPECT_TRUE(CellOffered(Index(Category::Tumbla)));
    EXPECT_FALSE(CellOffered(kBonusIndex)) << "a new game has no extra before TUMBLA is scored";
  });
  Run();
}

TEST_F(BoardGame, TheExtraCanBeTakenOrLapses) {
  Roll({6, 6, 6, 6, 6});
  Take(Index(Category::Tumbla));
  Roll({5, 5, 5, 5, 5});
  Check([this] {
    EXPECT_TRUE(CellOffered(kBonusIndex));
    EXPECT_EQ(CellValue(kBonusIndex), 100);
    EXPECT_EQ(OfferedCount(), 13) << "twelve open categories and the extra";
  });
  Take(kBonusIndex);
  Check([this] {
    EXPECT_EQ(CellValue(kBonusIndex), 100);
    EXPECT_EQ(CellValue(kTotalIndex), 150);
    EXPECT_EQ(CellValue(Index(Category::Fives)), -1) << "taking the extra fills no category";
    EXPECT_EQ(RollsShown(), u"3") << "but it ends the turn";
  });
  // Offered and not taken: the turn scores its category and the extra is gone.
  Roll({4, 4, 4, 4, 4});
  Take(Index(Category::Fours));
  Check([this] {
    EXPECT_EQ(CellValue(kBonusIndex), 100);
    EXPECT_EQ(CellValue(kTotalIndex), 170);
  });
  // Offered, then rolled away in the same turn: the offer lapses at once.
  Roll({3, 3, 3, 3, 3});
  Check([this] { EXPECT_TRUE(CellOffered(kBonusIndex)); });
  Roll({1, 2, 3, 4, 6});
  Check([this] {
    EXPECT_FALSE(CellOffered(kBonusIndex));
    EXPECT_EQ(CellValue(kBonusIndex), 100);
  });
  Take(Index(Category::FourRow));
  Check([this] {
    EXPECT_EQ(CellValue(kTotalIndex), 200) << "one taken category commits the turn";
    EXPECT_EQ(RollsShown(), u"3");
  });
  Run();
}
