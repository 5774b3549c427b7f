// An append to the history file killed at any moment leaves the games before it, with or
// without the new one: a line cut short is skipped, and the next append ends it and starts
// its own line, so that every whole game still reads.
#include <gtest/gtest.h>

#include <algorithm>

#include "hardening/traced_child.h"
#include "history/games_file.h"
#include "history/known_games.h"
#include "persistence/file_bytes.h"
#include "support/scoped_temp_folder.h"

namespace {

std::vector<int> Totals(const GamesRead& read) {
  std::vector<int> totals;
  for (const GameRecord& game : read.games) totals.push_back(game.total);
  return totals;
}

// Kills the append of the 270 at each stop in turn, with the file holding the games before.
void KillEveryAppend(const std::vector<GameRecord>& before) {
  std::vector<int> old(before.size());
  std::transform(before.begin(), before.end(), old.begin(), [](const GameRecord& game) { return game.total; });
  std::vector<int> added = old;
  added.push_back(270);
  for (int stop = 1;; ++stop) {
    const ScopedTempFolder temp;
    const std::string path = GamesFilePath();
    for (const GameRecord& game : before) ASSERT_EQ(AppendGameLine(path, game), 0);
    const bool bFinished = FinishedBeforeStop(stop, [&path] { AppendGameLine(path, Game270()); });
    GamesRead read = ReadGames(path);
    EXPECT_TRUE(Totals(read) == old || Totals(read) == added) << "killed at stop " << stop;
    EXPECT_EQ(read.badLines, 0) << "killed at stop " << stop;
    // The next game is whole whatever the kill left.
    ASSERT_EQ(AppendGameLine(path, Game220()), 0);
    read = ReadGames(path);
    ASSERT_FALSE(read.games.empty());
    EXPECT_EQ(read.games.back().total, 220) << "killed at stop " << stop;
    EXPECT_FALSE(read.bTornLastLine) << "killed at stop " << stop;
    EXPECT_EQ(FolderEntries(temp.Folder()), 1) << "killed at stop " << stop;
    if (::testing::Test::HasFailure() || bFinished) break;
  }
}

TEST(InterruptedGamesAppend, KeepsEveryWholeGameWhenTheFileIsNew) { KillEveryAppend({}); }

TEST(InterruptedGamesAppend, KeepsEveryWholeGameOfAFileWithGames) { KillEveryAppend({Game370(), Game220()}); }

}  // namespace
