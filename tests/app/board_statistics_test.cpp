// The statistics beside the screen: shown and hidden by the S key, their two pages turned by
// a tap, and Reset statistics asked first; drawn the same on every back end.
#include "board_fixture.h"
#include "history/games_file.h"
#include "history/generated_games.h"
#include "platform/core/screen_size.h"
#include "platform/core/text.h"
#include "platform/gdi/png_file.h"
#include "platform/headless/golden.h"

namespace {

class BoardStatisticsTest : public BoardTest {
 protected:
  std::filesystem::path GamesFile() const { return m_gameFolder.File("Tumbla-games.csv"); }

  void PutGames(const std::vector<GameRecord>& games, const std::string& extra = "") {
    std::string text = std::string(kGamesHeader) + "\n" + extra;
    for (const GameRecord& game : games) text += FormatGameLine(game) + "\n";
    PutFile(GamesFile(), text);
  }

  // The run that rewrites the reference images also draws the README's pictures.
  void ExpectScreen(const char* golden, const char* docsPicture = "", int docsScale = 1) {
    Check([this, golden, docsPicture, docsScale] {
      const Surface shot = m_ui.Screenshot();
      if (*golden != '\0') {
        const GoldenComparison result = CompareWithGolden(shot, golden);
        EXPECT_TRUE(result.matches) << result.message;
      }
      if (*docsPicture != '\0' && GoldenUpdateRequested()) {
        const std::string path = SourceTreePath("docs").append(docsPicture).string();
        EXPECT_TRUE(WritePng(Magnified(shot, docsScale), path)) << "could not write " << path;
      }
    });
  }

  static POINT InPanel(int x, int y) { return POINT{SCREEN_WIDTH + x, y}; }
};

TEST_F(BoardStatisticsTest, ShowTheFiguresThenTheCategoriesAndHideAgain) {
  PutGames({Game370(), Game270(), Game220(), Game270()}, "not a game\n");
  m_ui.Key('S').Check([this] {
    ASSERT_NE(m_board.StatisticsPanel(), nullptr);
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 0);
  });
  ExpectScreen("statistics_figures");
  // The second page names the file's folder, which is a new temporary one at each run.
  m_ui.Tap(InPanel(100, 100)).Check([this] { EXPECT_EQ(m_board.StatisticsPanel()->Page(), 1); });
  // The last games, newest first; a tap on one shows its review, worked out from its moves.
  m_ui.Tap(InPanel(100, 100)).Check([this] { EXPECT_EQ(m_board.StatisticsPanel()->Page(), 2); });
  m_ui.Tap(InPanel(100, 45)).Check([this] { EXPECT_EQ(m_board.StatisticsPanel()->Reviewing(), 0); });
  ExpectScreen("statistics_review");
  m_ui.Tap(InPanel(100, 45)).Check([this] {
    EXPECT_EQ(m_board.StatisticsPanel()->Reviewing(), -1);
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 2);
  });
  m_ui.Key('S').Check([this] { EXPECT_EQ(m_board.StatisticsPanel(), nullptr); });
  Run();
}

TEST_F(BoardStatisticsTest, ResetStatisticsAsksFirstAndLeavesTheHeaderAlone) {
  PutGames({Game370(), Game220()});
  const std::string before = FileBytes(GamesFile());
  const POINT reset = InPanel(100, SCREEN_HEIGHT - 12);
  m_ui.Key('S').Tap(InPanel(100, 100)).Tap(reset).Answer(u"No").Check([this, &before] {
    EXPECT_EQ(FileBytes(GamesFile()), before);
  });
  m_ui.Tap(reset).Answer(u"Yes").Check([this] {
    EXPECT_EQ(FileBytes(GamesFile()), std::string(kGamesHeader) + "\n");
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 1);
  });
  Run();
  EXPECT_EQ(theSettings.m_nHiScore[0], std::numeric_limits<int>::max()) << "the high scores are another reset";
}

// With the coach below the board on an upright phone, the statistics beside it take room of
// their own and give it back, and the coach turned off while they show leaves them whole.
TEST_F(BoardStatisticsTest, BesideTheBoardWhileTheCoachIsBelowIt) {
  PutGames({Game370()});
  const auto expectScreenSize = [this](int width, int height) {
    Check([this, width, height] {
      const Surface shot = m_ui.Screenshot();
      EXPECT_EQ(shot.Width(), width);
      EXPECT_EQ(shot.Height(), height);
    });
  };
  constexpr int kWithCoachBelow = SCREEN_HEIGHT + 6 + kCoachPanelBelowRows * 19;
  m_ui.ViewShape(390, 844).Key('C').Key('S');
  expectScreenSize(SCREEN_WIDTH + kCoachPanelWidth, kWithCoachBelow);
  m_ui.Key('S');
  expectScreenSize(SCREEN_WIDTH, kWithCoachBelow);
  m_ui.Key('S').Key('C');
  expectScreenSize(SCREEN_WIDTH + kCoachPanelWidth, SCREEN_HEIGHT);
  Run();
}

// Left and Right turn the pages, Up and Down choose, Enter does what the chosen line's tap
// does; the board keeps Up, Down and Enter where the page has nothing to choose.
TEST_F(BoardStatisticsTest, KeysTurnThePagesOpenAReviewAndReachResetWithItsQuestion) {
  PutGames({Game370(), Game220()});
  const std::string before = FileBytes(GamesFile());
  m_ui.Key('S').Key(VK_LEFT).Check([this] { EXPECT_EQ(m_board.StatisticsPanel()->Page(), 2); });
  m_ui.Key(VK_UP).Key(VK_UP).Check([this] { EXPECT_EQ(m_board.StatisticsPanel()->Chosen(), 0); });
  m_ui.Key(VK_DOWN).Key(VK_RETURN).Check([this] { EXPECT_EQ(m_board.StatisticsPanel()->Reviewing(), 1); });
  m_ui.Key(VK_RIGHT).Check(
      [this] { EXPECT_EQ(m_board.StatisticsPanel()->Reviewing(), 1) << "a review holds the page"; });
  m_ui.Key(VK_RETURN).Check([this] {
    EXPECT_EQ(m_board.StatisticsPanel()->Reviewing(), -1);
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 2);
  });
  m_ui.Key(VK_RIGHT).Key(VK_RIGHT).Key(VK_RETURN).Key(VK_DOWN).Check([this] {
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 1);
    EXPECT_EQ(m_board.StatisticsPanel()->Chosen(), 0);
  });
  m_ui.Key(VK_RETURN).Answer(u"No").Check([this, &before] { EXPECT_EQ(FileBytes(GamesFile()), before); });
  m_ui.Key(VK_RETURN).Answer(u"Yes").Check(
      [this] { EXPECT_EQ(FileBytes(GamesFile()), std::string(kGamesHeader) + "\n"); });
  // On the first page Up and Down move the board's ring again.
  m_ui.Key(VK_RIGHT).Key(VK_RIGHT);
  Roll({1, 2, 3, 4, 6});
  m_ui.Key(VK_DOWN).Check([this] {
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 0);
    EXPECT_TRUE(m_board.Cell(0).HasFocusRing());
  });
  Run();
}

// Where the back end offers files (the browser), a button in place of the path hands the file
// over, by a tap or by the keys.
TEST_F(BoardStatisticsTest, TheBrowsersDownloadButtonInPlaceOfThePath) {
  m_ui.OfferFiles();
  PutGames({Game370(), Game220()});
  const CString path = FromUtf8(GamesFile().string());
  m_ui.Key('S').Tap(InPanel(100, 100));
  ExpectScreen("statistics_download");
  m_ui.Tap(InPanel(100, SCREEN_HEIGHT - 40)).Check([this, path] {
    EXPECT_EQ(m_ui.OfferedFiles(), std::vector<CString>{path});
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 1);
  });
  m_ui.Key(VK_DOWN).Key(VK_RETURN).Check([this, path] {
    EXPECT_EQ(m_ui.OfferedFiles(), (std::vector<CString>{path, path}));
  });
  m_ui.Key(VK_DOWN).Key(VK_RETURN).Answer(u"No");
  Run();
}

// Without a file there is nothing to hand over, and the path shows where it will be.
TEST_F(BoardStatisticsTest, NoDownloadButtonBeforeTheFirstGame) {
  m_ui.OfferFiles();
  m_ui.Key('S').Tap(InPanel(100, 100)).Tap(InPanel(100, SCREEN_HEIGHT - 40)).Check([this] {
    EXPECT_TRUE(m_ui.OfferedFiles().empty());
    EXPECT_EQ(m_board.StatisticsPanel()->Page(), 2) << "a tap off the buttons turns the page";
  });
  Run();
}

// 200 games played by a rule of thumb, for README's pictures.
TEST_F(BoardStatisticsTest, TwoHundredGamesForTheReadme) {
  PutGames(GeneratedGames(200, 7));
  m_ui.Key('S');
  ExpectScreen("", "statistics_desktop.png", 2);
  ExpectScreen("", "statistics_phone.png", 1);
  m_ui.Tap(InPanel(100, 100));
  ExpectScreen("", "statistics_categories.png", 2);
  m_ui.Tap(InPanel(100, 100));
  ExpectScreen("", "statistics_last_games.png", 2);
  Run();
}

}  // namespace
