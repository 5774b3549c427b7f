// A save of the game in progress killed at any moment leaves the game kept before or the new
// one, whole, and nothing beside it once the game has started again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "hardening/traced_child.h"
#include "persistence/file_bytes.h"
#include "persistence/game_in_progress.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

using ::testing::AnyOf;
using ::testing::Eq;
using ::testing::Optional;

GameInProgress AfterRolls(int rolls) {
  GameInProgress game;
  game.rollsLeft = 3 - rolls;
  for (KeptDie& die : game.dice) die.value = rolls + 1;
  game.dice[0].held = true;
  game.cells[kKeptCells - 1].value = 10 * rolls;
  return game;
}

TEST(InterruptedResumeSave, LeavesTheOldGameOrTheNewAtEveryMoment) {
  const ScopedTempFolder temp;
  const MessageBoxRecorder boxes;
  const GameInProgress oldGame = AfterRolls(1);
  const GameInProgress newGame = AfterRolls(2);
  for (int stop = 1;; ++stop) {
    ASSERT_TRUE(KeepGameInProgress(oldGame));
    const bool bFinished = FinishedBeforeStop(stop, [&newGame] { KeepGameInProgress(newGame); });
    EXPECT_THAT(LoadGameInProgress(), AnyOf(Optional(oldGame), Optional(newGame))) << "killed at stop " << stop;
    EXPECT_EQ(FolderEntries(temp.Folder()), 1) << "killed at stop " << stop;
    if (HasFailure() || bFinished) break;
  }
  EXPECT_EQ(LoadGameInProgress(), newGame);
  EXPECT_TRUE(boxes.Requests().empty());
}

}  // namespace
