// The history file as the board writes it: a finished game's line, appended as its thirteenth
// category is taken, before the name entry; games the player ends early leave no line.
#include <ctime>
#include <string>

#include "board_fixture.h"
#include "dialogs/name_entry_dlg.h"
#include "history/games_file.h"
#include "platform/wnd/window_system.h"

namespace {

// Five sixes every turn but the first, which holds three sixes and rolls two more.
const std::string kMoves =
    "66612 h666 66666 t:Ones;66666 t:3Kind;66666 t:Twos;66666 t:4Kind;66666 t:Threes;66666 t:House;66666 t:Fours;"
    "66666 t:4Row;66666 t:Fives;66666 t:5Row;66666 t:Sixes;66666 t:TUMBLA;66666 t:Chance";

class BoardHistoryTest : public BoardTest {
 protected:
  std::filesystem::path GamesFile() const { return m_gameFolder.File("Tumbla-games.csv"); }

  void ScriptGame() {
    Roll({6, 6, 6, 1, 2});
    TapDie(0);
    TapDie(1);
    TapDie(2);
    Roll({6, 6});
    for (int c = 0; c < kCategoryCount; ++c) {
      if (c > 0) Roll({6, 6, 6, 6, 6});
      Take(c);
    }
  }
};

TEST_F(BoardHistoryTest, AFinishedGameIsOneLineWrittenBeforeTheNameEntry) {
  theSettings.ResetHiScores();
  const std::time_t started = std::time(nullptr);
  ScriptGame();
  Check([this, started] {
    EXPECT_TRUE(InFront<CNameEntryDlg>());
    const GamesRead read = ReadGames(GamesFile());
    ASSERT_EQ(read.games.size(), 1u);
    EXPECT_EQ(read.badLines, 0);
    const GameRecord& game = read.games.front();
    EXPECT_EQ(game.moves, kMoves);
    EXPECT_EQ(game.total, 170);
    EXPECT_GE(game.finished, started);
    EXPECT_LE(game.finished, std::time(nullptr));
    // Ones from five sixes, and 3Kind, Twos and the rest at once, each cost something.
    EXPECT_GT(game.givenUp, 0.0);
    const std::string line = FormatGameLine(game);
    EXPECT_EQ(FileBytes(GamesFile()), std::string(kGamesHeader) + "\n" + line + "\n");
    const std::string scores = ",170,0,0,0,0,0,30,30,30,0,30,0,0,50,0,";
    EXPECT_EQ(line.substr(20, scores.size()), scores);
  });
  m_ui.Key(VK_ESCAPE).Key(VK_RETURN);
  Run();
  EXPECT_EQ(ReadGames(GamesFile()).games.size(), 1u);
}

TEST_F(BoardHistoryTest, AGameEndedByNewGameOrExitIsNotRecorded) {
  Roll({1, 2, 3, 4, 5});
  Take(CellIndex(Category::Chance));
  m_ui.ChooseMenu(u"New Game");
  Roll({1, 2, 3, 4, 5});
  Take(CellIndex(Category::Chance));
  m_ui.ChooseMenu(u"Exit").Answer(u"Yes");
  Run();
  EXPECT_FALSE(std::filesystem::exists(GamesFile()));
}

}  // namespace
