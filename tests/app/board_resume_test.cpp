// The game in progress kept when the program ends without the player choosing it, or when it
// may be ended without another word (the page hidden), and the next start going on exactly
// where it was; the player's own ends of a game remove it.
#include <memory>
#include <string>

#include "board_fixture.h"
#include "dialogs/options_dlg.h"
#include "history/games_file.h"
#include "persistence/game_in_progress.h"
#include "platform/wnd/window_system.h"

namespace {

class BoardResumeTest : public BoardTest {
 protected:
  std::filesystem::path ResumeFile() const { return m_gameFolder.File("Tumbla-resume.txt"); }
  bool GameKept() const { return std::filesystem::exists(ResumeFile()); }

  // Two rolls of the turn after Ones was taken, showing 5 5 5 3 1: the first and third die
  // held, offers showing.
  void ScriptGameInProgress() {
    Roll({1, 1, 2, 3, 4});
    Take(CellIndex(Category::Ones));
    Roll({5, 5, 2, 5, 6});
    TapDie(0);
    TapDie(1);
    Roll({5, 3, 1});
    TapDie(0);
    TapDie(2);
  }

  // The next start of the program, on the same folder: a board of its own and its script.
  void StartAgain(const std::function<void(UiScript&, CBoardDlg&)>& script) {
    m_ui.StartNextRun();
    QueueFaces({1, 1, 1, 1, 1});  // taken as the dice are made
    CBoardDlg board;
    script(m_ui, board);
    board.DoModal();
  }
};

TEST_F(BoardResumeTest, ASignalKeepsTheGameAndTheNextStartShowsItExactlyAndPlaysOn) {
  ScriptGameInProgress();
  auto shown = std::make_shared<Surface>();
  Check([this, shown] { *shown = m_ui.Screenshot(); });
  m_ui.CloseRequest();
  Run();
  ASSERT_TRUE(GameKept());
  StartAgain([this, shown](UiScript& ui, CBoardDlg& board) {
    ui.Check([&ui, &board, shown] {
      EXPECT_TRUE(SamePixels(ui.Screenshot(), *shown)) << "the board looks as it did when the game was kept";
      EXPECT_EQ(board.RollsLeft(), 1);
      EXPECT_TRUE(board.Die(0).IsHeld());
      EXPECT_TRUE(board.Die(2).IsHeld());
      EXPECT_FALSE(board.Die(1).IsHeld());
      EXPECT_EQ(board.Cell(CellIndex(Category::Ones)).GetValue(), 2);
      EXPECT_TRUE(board.Cell(CellIndex(Category::Fives)).IsOffered());
    });
    // The last roll of the turn keeps the held dice, and the turn ends as any other.
    QueueFaces({6, 6, 6});
    ui.TapItem(IDC_GO).Wait(kTick).Check([&board] {
      EXPECT_EQ(board.RollsLeft(), 0);
      EXPECT_EQ(board.Die(0).GetValue(), 5);
      EXPECT_EQ(board.Die(2).GetValue(), 5);
      EXPECT_EQ(board.Die(1).GetValue(), 6);
    });
    ui.TapItem(IDC_CELL_FIRST + CellIndex(Category::Chance)).Wait(kTick).Check([&board] {
      EXPECT_EQ(board.Cell(CellIndex(Category::Chance)).GetValue(), 28);
      EXPECT_EQ(board.Cell(kTotalIndex).GetValue(), 30);
      EXPECT_EQ(board.RollsLeft(), 3);
    });
  });
}

TEST_F(BoardResumeTest, AHiddenPageKeepsTheGameAndTheOptionsAtOnceEvenUnderADialog) {
  ScriptGameInProgress();
  m_ui.ChooseMenu(u"Game Options").TapItem(IDC_COLOR_CHECK);
  auto kept = std::make_shared<std::string>();
  m_ui.EndSession().Check([this, kept] {
    EXPECT_TRUE(InFront<COptionsDlg>()) << "the game goes on as it was";
    EXPECT_EQ(FileBytes(m_gameFolder.File("Tumbla.ini")).substr(0, 18), "<AUDIO>1\n<COLOR>1\n");
    *kept = FileBytes(ResumeFile());
  });
  Run();
  EXPECT_EQ(*kept, FileBytes(ResumeFile())) << "the same game as a signal keeps";
}

TEST_F(BoardResumeTest, ASignalDuringARollKeepsTheGameOnceTheRollHasEnded) {
  theSettings.m_nSpeed = 0;
  QueueFaces({2, 3, 4, 5, 6});
  m_ui.TapItem(IDC_GO);
  // Within the 1250 ms of the slower roll.
  m_ui.At(600).CloseRequest();
  Run();
  const std::optional<GameInProgress> kept = LoadGameInProgress();
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->rollsLeft, 2);
  for (int i = 0; i < kDiceCount; ++i) {
    EXPECT_EQ(kept->dice[static_cast<std::size_t>(i)], (KeptDie{i + 2})) << "die " << i;
  }
}

// The moves before the break are kept with the game, so it is recorded once, whole.
TEST_F(BoardResumeTest, AResumedGameIsRecordedOnceWithAllItsMoves) {
  for (int c = 0; c + 1 < kCategoryCount; ++c) {
    Roll({6, 6, 6, 6, 6});
    Take(c);
  }
  Roll({6, 6, 6, 1, 2});
  TapDie(0);
  TapDie(2);
  Roll({6, 6, 6});
  m_ui.CloseRequest();
  Run();
  ASSERT_TRUE(GameKept());
  StartAgain([](UiScript& ui, CBoardDlg&) { ui.TapItem(IDC_CELL_FIRST + CellIndex(Category::Chance)).Wait(kTick); });
  const GamesRead read = ReadGames(m_gameFolder.File("Tumbla-games.csv"));
  ASSERT_EQ(read.games.size(), 1u);
  const std::string& moves = read.games.front().moves;
  EXPECT_TRUE(moves.starts_with("66666 t:Ones;66666 t:3Kind;")) << moves;
  EXPECT_TRUE(moves.ends_with(";66666 t:TUMBLA;66612 h66 66666 t:Chance")) << moves;
  EXPECT_FALSE(GameKept());
}

TEST_F(BoardResumeTest, ABoardNotYetRolledKeepsNothing) {
  m_ui.CloseRequest();
  Run();
  EXPECT_FALSE(GameKept());
}

TEST_F(BoardResumeTest, ExitAndNewGameEndTheKeptGame) {
  ScriptGameInProgress();
  m_ui.CloseRequest();
  Run();
  StartAgain([this](UiScript& ui, CBoardDlg& board) {
    ui.ChooseMenu(u"New Game").Check([this, &board] {
      EXPECT_FALSE(GameKept());
      EXPECT_EQ(board.RollsLeft(), 3);
    });
    // The tick after a new game settles the old turn's offers; the roll comes at the next.
    QueueFaces({1, 2, 3, 4, 5});
    ui.TapItem(IDC_GO).Wait(2 * kTick).EndSession().Check([this] { EXPECT_TRUE(GameKept()); });
    ui.ChooseMenu(u"Exit").Answer(u"Yes");
  });
  EXPECT_FALSE(GameKept());
  StartAgain([this](UiScript& ui, CBoardDlg& board) {
    QueueFaces({1, 2, 3, 4, 5});
    ui.TapItem(IDC_GO).Wait(kTick).Check([&board] { EXPECT_EQ(board.RollsLeft(), 2) << "a new game"; });
    ui.CloseButton().Answer(u"Yes");
  });
  EXPECT_FALSE(GameKept()) << "the close button's Yes is the player's choice too";
}

TEST_F(BoardResumeTest, ABrokenKeptGameIsNamedAndANewGameStarts) {
  PutFile(ResumeFile(), "Tumbla game in progress 1\nrolls 2\n");
  m_ui.Check([this] {
    ASSERT_EQ(m_ui.MessageBoxes().size(), 1u);
    EXPECT_NE(m_ui.MessageBoxes()[0].text.find(u"Tumbla-resume.txt"), CString::npos);
  });
  m_ui.Answer(u"OK").Check([this] { EXPECT_EQ(RollsShown(), u"3"); });
  Roll({1, 2, 3, 4, 6});
  Check([this] { EXPECT_EQ(RollsShown(), u"2"); });
  Run();
  EXPECT_TRUE(LoadGameInProgress()) << "the next end keeps the new game in its place";
}

}  // namespace
