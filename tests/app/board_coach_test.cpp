// The board keeps every hold and take with its moment, whether or not the coach is shown, and
// a scripted game's review comes out of them.
#include <optional>

#include "../coach/solved_table.h"
#include "board_fixture.h"
#include "coach/game_review.h"
#include "persistence/file_bytes.h"
#include "platform/core/screen_size.h"
#include "platform/gdi/png_file.h"
#include "platform/headless/golden.h"

namespace {

using enum Category;

struct ScriptedTurn {
  std::vector<int> first;
  // The dice held after the first roll and the faces the others show at the second.
  std::vector<int> held;
  std::vector<int> second;
  std::optional<Category> take;  // none: the extra
};

// Three choices cost points: Chance for a straight, Ones over the extra and 4 Kind while
// four sixes could still chase the extra.
const std::vector<ScriptedTurn> kGame = {
    {{6, 6, 6, 6, 1}, {0, 1, 2, 3}, {6}, Tumbla},
    {{1, 2, 3, 4, 5}, {}, {}, Chance},
    {{2, 2, 3, 3, 3}, {}, {}, House},
    {{1, 1, 1, 1, 1}, {}, {}, Ones},
    {{4, 4, 4, 4, 4}, {}, {}, std::nullopt},
    {{2, 3, 4, 5, 6}, {}, {}, FiveRow},
    {{1, 3, 4, 5, 6}, {1, 2, 3, 4}, {3}, FourRow},
    {{5, 5, 5, 6, 2}, {}, {}, ThreeKind},
    {{6, 6, 6, 6, 4}, {}, {}, FourKind},
    {{2, 2, 1, 1, 1}, {}, {}, Twos},
    {{3, 3, 3, 1, 2}, {}, {}, Threes},
    {{4, 4, 4, 1, 2}, {}, {}, Fours},
    {{5, 5, 5, 1, 2}, {}, {}, Fives},
    {{6, 6, 6, 1, 2}, {}, {}, Sixes},
};

class BoardCoach : public BoardTest {
 protected:
  // Best play's table is worked out a slice per tick: 96 ticks.
  static constexpr std::uint64_t kTableTime = 6000;

  // The run that rewrites the reference images also draws the README's picture from it.
  void ExpectScreen(const char* golden, const char* docsPicture = "", int docsScale = 1) {
    Check([this, golden, docsPicture, docsScale] {
      const Surface shot = m_ui.Screenshot();
      const GoldenComparison result = CompareWithGolden(shot, golden);
      EXPECT_TRUE(result.matches) << result.message;
      if (*docsPicture != '\0' && GoldenUpdateRequested()) {
        const std::string path = SourceTreePath("docs").append(docsPicture).string();
        EXPECT_TRUE(WritePng(Magnified(shot, docsScale), path)) << "could not write " << path;
      }
    });
  }

  void PlayTurn(const ScriptedTurn& turn) {
    m_faces.insert(m_faces.end(), turn.first.begin(), turn.first.end());
    m_ui.TapItem(IDC_GO).Wait(kTick);
    if (!turn.second.empty()) {
      for (int die : turn.held) TapDie(die);
      m_faces.insert(m_faces.end(), turn.second.begin(), turn.second.end());
      m_ui.TapItem(IDC_GO).Wait(kTick);
    }
    Take(turn.take ? CellIndex(*turn.take) : kBonusIndex);
  }
};

TEST_F(BoardCoach, ScriptedGameReview) {
  for (const ScriptedTurn& turn : kGame) PlayTurn(turn);
  Check([this] {
    ASSERT_FALSE(m_board.IsGameStarted());
    const std::vector<PlayedChoice>& played = m_board.PlayedChoices();
    ASSERT_EQ(played.size(), kGame.size() + 2);
    EXPECT_EQ(played[0].chosen.kind, ChoiceKind::Hold);
    EXPECT_EQ(played[0].chosen.held, (FaceCounts{0, 0, 0, 0, 0, 4}));
    EXPECT_EQ(played[0].position.rollsMade, 1);
    EXPECT_EQ(played[1].position.rollsMade, 2);
    EXPECT_EQ(played[5].chosen.kind, ChoiceKind::Extra);
    EXPECT_EQ(played[5].position.points, 50 + 15 + 25 + 5);

    const GameReview review = ReviewGame(SolvedTable(), played, CellValue(kTotalIndex));
    EXPECT_EQ(review.finalTotal, 374);
    EXPECT_NEAR(review.expectedAtStart, 237.4206, 1e-4);
    EXPECT_NEAR(review.givenUp, 230.6567, 1e-4);
    EXPECT_NEAR(review.luck, 367.2360, 1e-4);
    ASSERT_EQ(review.costliest.size(), 3u);
    EXPECT_EQ(review.costliest[0].played.chosen.category, Ones);
    EXPECT_EQ(review.costliest[0].best.kind, ChoiceKind::Extra);
    EXPECT_NEAR(review.costliest[0].cost, 107.5603, 1e-4);
    // Four sixes with TUMBLA holding 50: rolling on for the extra was worth more than 4 Kind.
    EXPECT_EQ(review.costliest[1].played.chosen.category, FourKind);
    EXPECT_EQ(review.costliest[1].best.held, (FaceCounts{0, 0, 0, 0, 0, 4}));
    EXPECT_NEAR(review.costliest[1].cost, 26.8683, 1e-4);
    EXPECT_EQ(review.costliest[2].played.chosen.category, Chance);
    EXPECT_EQ(review.costliest[2].best.category, FiveRow);
    EXPECT_NEAR(review.costliest[2].cost, 24.3169, 1e-4);
  });
  // New Game starts a fresh account.
  m_ui.ChooseMenu(u"New Game").Wait(kTick);
  Check([this] { EXPECT_TRUE(m_board.PlayedChoices().empty()); });
  Run();
}

// The C key turns the coach on: the panel beside the screen, its setting in a file of its
// own; the advice after a roll, then the cost of the hold.
TEST_F(BoardCoach, AdviceAndCostBesideTheBoard) {
  m_ui.Key('C').Wait(kTableTime);
  Check([this] {
    ASSERT_NE(m_board.CoachPanel(), nullptr);
    EXPECT_EQ(FileBytes(m_gameFolder.File("Tumbla-extras.ini")), "<COACH>1\n");
    EXPECT_EQ(m_ui.Screenshot().Width(), SCREEN_WIDTH + kCoachPanelWidth);
  });
  // Before the first roll: the browser's test turns the coach on and reads this too.
  ExpectScreen("coach_start");
  Roll({1, 2, 3, 4, 6});
  ExpectScreen("coach_advice", "coach_desktop.png", 2);
  for (int die : {0, 1, 2}) TapDie(die);
  Roll({5, 5});
  ExpectScreen("coach_cost");
  // A tap on the panel turns it off: the board's own screen, as without the coach.
  m_ui.Tap(POINT{SCREEN_WIDTH + 20, 10}).Wait(kTick);
  Check([this] {
    EXPECT_EQ(m_board.CoachPanel(), nullptr);
    EXPECT_EQ(FileBytes(m_gameFolder.File("Tumbla-extras.ini")), "<COACH>0\n");
    EXPECT_EQ(m_ui.Screenshot().Width(), SCREEN_WIDTH);
  });
  Run();
}

// A phone held upright: the panel below the board, so that the board keeps the view's width,
// with the advice as beside it; turned sideways, beside it again, and upright once more, below.
// With the coach off, the view's shape changes nothing.
TEST_F(BoardCoach, BelowTheBoardInAnUprightViewBesideItInAWideOne) {
  const auto expectPlace = [this](CoachPlace place, int width, int height) {
    Check([this, place, width, height] {
      ASSERT_NE(m_board.CoachPanel(), nullptr);
      EXPECT_EQ(m_board.CoachPanel()->Placement(), place);
      const Surface shot = m_ui.Screenshot();
      EXPECT_EQ(shot.Width(), width);
      EXPECT_EQ(shot.Height(), height);
    });
  };
  constexpr int kBelowHeight = SCREEN_HEIGHT + 6 + kCoachPanelBelowRows * 19;
  m_ui.ViewShape(390, 844).Wait(kTick);
  ExpectScreen("board_start");
  m_ui.Key('C').Wait(kTableTime);
  expectPlace(CoachPlace::Below, SCREEN_WIDTH, kBelowHeight);
  Roll({1, 2, 3, 4, 6});
  ExpectScreen("coach_below");
  m_ui.ViewShape(844, 390).Wait(kTick);
  expectPlace(CoachPlace::Beside, SCREEN_WIDTH + kCoachPanelWidth, SCREEN_HEIGHT);
  ExpectScreen("coach_advice");
  m_ui.ViewShape(390, 844).Wait(kTick);
  ExpectScreen("coach_below");
  // A tap on the panel below turns the coach off: the handheld's screen alone.
  m_ui.Tap(POINT{20, SCREEN_HEIGHT + 20}).Wait(kTick);
  Check([this] {
    EXPECT_EQ(m_board.CoachPanel(), nullptr);
    EXPECT_EQ(m_ui.Screenshot().Height(), SCREEN_HEIGHT);
  });
  Run();
}

// Below wherever that leaves the board larger: phones upright, narrow windows; beside in
// wide views and where the view's shape is never told (the desktop's window).
TEST(CoachPlacement, BelowWhereTheBoardIsLargerSo) {
  for (const SIZE view : {SIZE{390, 844}, SIZE{375, 667}, SIZE{360, 640}, SIZE{480, 640}}) {
    EXPECT_EQ(CoachPlaceFor(view), CoachPlace::Below) << view.cx << "x" << view.cy;
  }
  for (const SIZE view : {SIZE{844, 390}, SIZE{1280, 720}, SIZE{640, 480}, SIZE{0, 0}}) {
    EXPECT_EQ(CoachPlaceFor(view), CoachPlace::Beside) << view.cx << "x" << view.cy;
  }
}

// The review's thirteen lines make the panel below taller than its ten; nothing is cut.
TEST_F(BoardCoach, ReviewBelowTheBoardHasRoomForEveryLine) {
  for (const ScriptedTurn& turn : kGame) PlayTurn(turn);
  m_ui.ViewShape(390, 844).Tap(POINT{40, 10}).Wait(kTableTime);
  Check([this] {
    ASSERT_NE(m_board.CoachPanel(), nullptr);
    ASSERT_EQ(m_board.CoachPanel()->Lines().size(), 13u);
    EXPECT_EQ(m_ui.Screenshot().Height(), SCREEN_HEIGHT + 6 + 13 * 19);
  });
  Run();
}

// Turned on after the game by a tap on the caption: the costs were kept all along.
TEST_F(BoardCoach, ReviewAfterTheGame) {
  for (const ScriptedTurn& turn : kGame) PlayTurn(turn);
  m_ui.Tap(POINT{40, 10}).Wait(kTableTime);
  ExpectScreen("coach_review", "coach_review.png");
  Run();
}

}  // namespace
