#include "persistence/game_in_progress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_bytes.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

// The second turn, rolled twice: the first and fourth dice held, Ones and Chance filled, an
// extra collected earlier, a few offers showing and the extra on offer again.
GameInProgress MidTurn() {
  GameInProgress game;
  game.rollsLeft = 1;
  game.offers = 3;
  game.extras = 100;
  game.extraPending = true;
  game.dice = {KeptDie{5, true, true, false}, KeptDie{5, false, true, false}, KeptDie{5, false, true, false},
               KeptDie{5, true, true, false}, KeptDie{5, false, true, false}};
  game.cells[0] = KeptCell{3, false, true};
  game.cells[12] = KeptCell{21, false, true};
  game.cells[8] = KeptCell{25, true, false};
  game.cells[11] = KeptCell{50, true, false};
  game.cells[13] = KeptCell{100, true, false};
  game.cells[14] = KeptCell{124, false, false};
  game.moves = "11123 t:Ones;55555 t:TUMBLA;55555 t:Bonus;55342 h55 55362 t:Chance;55151 h555";
  return game;
}

const std::string kMidTurnText =
    "Tumbla game in progress 2\nrolls 1\noffers 3\nextras 100\nextra-pending 1\n"
    "die 5 held\ndie 5\ndie 5\ndie 5 held\ndie 5\n"
    "cell 3 filled\ncell -1\ncell -1\ncell -1\ncell -1\ncell -1\ncell -1\ncell -1\ncell 25 offered\ncell -1\n"
    "cell -1\ncell 50 offered\ncell 21 filled\ncell 100 offered\ncell 124\n"
    "moves 11123 t:Ones;55555 t:TUMBLA;55555 t:Bonus;55342 h55 55362 t:Chance;55151 h555\n";

TEST(GameInProgressText, IsAVersionLineAndOneLinePerNumberAndReadsBackTheSame) {
  EXPECT_EQ(FormatGameInProgress(MidTurn()), kMidTurnText);
  EXPECT_EQ(ParseGameInProgress(kMidTurnText), MidTurn());
  GameInProgress lastRoll = MidTurn();
  lastRoll.rollsLeft = 0;
  lastRoll.extraPending = false;
  for (KeptDie& die : lastRoll.dice) die = KeptDie{6, false, false, false};
  lastRoll.dice[2].blank = true;
  EXPECT_EQ(ParseGameInProgress(FormatGameInProgress(lastRoll)), lastRoll);
  EXPECT_EQ(ParseGameInProgress(FormatGameInProgress(GameInProgress{})), GameInProgress{});
}

TEST(GameInProgressText, AnythingButAWholeFileOfThisVersionIsRefused) {
  const auto changed = [](const std::string& from, const std::string& to) {
    std::string text = kMidTurnText;
    return text.replace(text.find(from), from.size(), to);
  };
  const std::vector<std::string> broken = {
      "",
      kMidTurnText.substr(0, kMidTurnText.size() - 1),        // cut short
      kMidTurnText.substr(0, kMidTurnText.find("cell 124")),  // a line missing
      kMidTurnText.substr(0, kMidTurnText.find("moves")),     // the moves missing (version 1)
      changed("moves 1", "moves\t1"),
      changed("moves 1", "movesX 1"),
      kMidTurnText + "cell 0\n",            // a line too many
      changed("progress 2", "progress 1"),  // another version
      changed("rolls 1", "rolls 4"),        // more rolls than a turn has
      changed("rolls 1", "rolls -1"),
      changed("rolls 1", "rolls 1x"),
      changed("rolls 1", "rolls"),
      changed("rolls 1", "rools 1"),
      changed("extra-pending 1", "extra-pending 2"),
      changed("offers 3", "offers 16"),
      changed("die 5 held\ndie 5\n", "die 7\ndie 5\n"),  // no such face
      changed("die 5 held\ndie 5\n", "die 0\ndie 5\n"),
      changed("die 5 held\ndie 5\n", "die 5 held blank\ndie 5\n"),  // a held die is never blank
      changed("die 5 held\ndie 5\n", "die 5 held held\ndie 5\n"),
      changed("die 5 held\ndie 5\n", "die 5 hold\ndie 5\n"),
      changed("die 5 held\ndie 5\n", "die 5  held\ndie 5\n"),
      changed("cell 3 filled", "cell -2"),
      changed("cell 3 filled", "cell 3 filled held"),
      changed("cell 124\n", "cell 124\r\n"),
      changed("h555\n", "h555\r\n"),
      changed("cell 124", "cell 99999999999999999999"),
  };
  for (const std::string& text : broken) EXPECT_EQ(ParseGameInProgress(text), std::nullopt) << text;
}

class GameInProgressFile : public ::testing::Test {
 protected:
  std::filesystem::path ResumeFile() const { return temp.File("Tumbla-resume.txt"); }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(GameInProgressFile, LiesBesideTheSettingsFileAndGoesWhenForgotten) {
  EXPECT_EQ(LoadGameInProgress(), std::nullopt);
  ASSERT_TRUE(KeepGameInProgress(MidTurn()));
  EXPECT_EQ(FileBytes(ResumeFile()), kMidTurnText);
  EXPECT_EQ(GameInProgressPath(), ResumeFile().string());
  EXPECT_EQ(LoadGameInProgress(), MidTurn());
  ForgetGameInProgress();
  EXPECT_FALSE(std::filesystem::exists(ResumeFile()));
  ForgetGameInProgress();
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(GameInProgressFile, ABrokenFileIsNamedInAMessageAndLeftAsItWas) {
  PutFile(temp.File("Tumbla.ini"), "<AUDIO>0\n");
  for (const std::string& bytes :
       {std::string(), std::string("Tumbla game in progress 1\nrolls 9\n"), kMidTurnText.substr(0, 40)}) {
    PutFile(ResumeFile(), bytes);
    EXPECT_EQ(LoadGameInProgress(), std::nullopt);
    EXPECT_EQ(FileBytes(ResumeFile()), bytes);
  }
  // A folder where the file should be cannot be read at all.
  std::filesystem::remove(ResumeFile());
  std::filesystem::create_directory(ResumeFile());
  EXPECT_EQ(LoadGameInProgress(), std::nullopt);
  ASSERT_EQ(boxes.Requests().size(), 4u);
  for (const MessageBoxRequest& box : boxes.Requests()) {
    EXPECT_NE(box.text.find(u"Tumbla-resume.txt"), CString::npos) << ToUtf8(box.text);
  }
  EXPECT_EQ(FileBytes(temp.File("Tumbla.ini")), "<AUDIO>0\n") << "nothing else is touched";
}

}  // namespace
