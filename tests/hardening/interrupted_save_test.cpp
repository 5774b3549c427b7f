// A save killed at any moment, in a folder that takes new files or in one that does not,
// leaves a file that loads as the old table or the new one, and nothing beside it once the
// game has started again.
#include <sys/syscall.h>

#include <filesystem>
#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "hardening/read_only_path.h"
#include "hardening/traced_child.h"
#include "persistence/data_file.h"
#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "persistence/safe_replace.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;
using ::testing::AnyOf;
using ::testing::Eq;

// The default file with the first entry's name and score changed, as a save writes it.
std::string WithFirstEntry(const std::string& file, const std::string& entry) {
  std::string changed = file;
  const std::string first = "<HISC0>190\n<HINA0>Avlomo\n";
  return changed.replace(changed.find(first), first.size(), entry);
}

bool IsRename(long call) {
#ifdef SYS_rename
  if (call == SYS_rename) return true;
#endif
  return call == SYS_renameat || call == SYS_renameat2;
}

class InterruptedSaveTest : public ::testing::Test {
 protected:
  InterruptedSaveTest() {
    { CGameSettings firstStart; }
    m_oldFile = SettingsBytes();
  }
  fs::path SettingsFile() const { return temp.File("Tumbla.ini"); }
  std::string SettingsBytes() const { return FileBytes(SettingsFile()); }

  static void Save(const std::string& file) {
    CDataFile(kSettingsFileName).WriteText(CString(file.begin(), file.end()), false);
  }

  // What the next start makes of the folder, written out as a save writes it.
  std::string NextStart() const {
    CGameSettings settings;
    settings.Save();
    return SettingsBytes();
  }

  // Kills a save of the new file at every moment in turn. A replaced file is the whole old
  // or the whole new one even before the next start reads it.
  void KillEverywhere(const std::string& newFile, bool bReplaced) {
    for (int stop = 1;; ++stop) {
      PutFile(SettingsFile(), m_oldFile);
      const bool bFinished = FinishedBeforeStop(stop, [&newFile] { Save(newFile); });
      if (bReplaced) {
        EXPECT_THAT(SettingsBytes(), AnyOf(Eq(m_oldFile), Eq(newFile))) << "killed at stop " << stop;
      }
      EXPECT_THAT(NextStart(), AnyOf(Eq(m_oldFile), Eq(newFile))) << "killed at stop " << stop;
      EXPECT_EQ(FolderEntries(temp.Folder()), 1) << "killed at stop " << stop;
      if (HasFailure()) return;
      if (bFinished) break;
    }
    EXPECT_EQ(SettingsBytes(), newFile);
  }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
  std::string m_oldFile;
};

TEST_F(InterruptedSaveTest, AReplacedFileIsWholeAndAloneAtEveryMoment) {
  KillEverywhere(WithFirstEntry(m_oldFile, "<HISC0>250\n<HINA0>Al\n"), true);
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(InterruptedSaveTest, AFileWrittenInPlaceLoadsAsOldOrNewAtEveryMoment) {
  const ReadOnlyPath folder(temp.Folder());
  if (!folder.Holds()) GTEST_SKIP() << "no way to stop writes into a folder here";
  KillEverywhere(WithFirstEntry(m_oldFile, "<HISC0>25\n<HINA0>Al\n"), false);
  KillEverywhere(WithFirstEntry(m_oldFile, "<HISC0>2500\n<HINA0>Avlomo the Great\n"), false);
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(InterruptedSaveTest, TheFolderIsFlushedAfterTheRename) {
  const fs::path folder = fs::canonical(temp.Folder());
  TracedChild child([] { Save("<AUDIO>0\n"); });
  bool bRenamed = false;
  bool bFlushedAfter = false;
  while (child.Next()) {
    const auto call = child.Beginning();
    if (!call) continue;
    bRenamed = bRenamed || IsRename(call->number);
    const bool bFlush = call->number == SYS_fsync || call->number == SYS_fdatasync;
    bFlushedAfter = bFlushedAfter || (bRenamed && bFlush && fs::path(call->firstFile) == folder);
  }
  EXPECT_TRUE(bRenamed);
  EXPECT_TRUE(bFlushedAfter);
  EXPECT_EQ(SettingsBytes(), "<AUDIO>0\n");
}

// Someone who may write the folder swaps a link in for the named new file just before it is
// renamed: the link becomes the settings file, and the save must not say it kept the table.
TEST_F(InterruptedSaveTest, ALinkSwappedInBeforeTheRenameFailsTheSave) {
  NameTemporariesForTesting([] { return std::string("swap01"); });
  const fs::path named = temp.File("Tumbla.ini.tumbla-save-swap01");
  const fs::path elsewhere = temp.File("elsewhere.txt");
  PutFile(elsewhere, "not ours");
  TracedChild child([this] {
    MessageBoxRecorder childBoxes;
    const UINT length = CDataFile(kSettingsFileName).WriteText(u"<AUDIO>0\n", true);
    const std::string box = childBoxes.Requests().empty() ? "" : ToUtf8(childBoxes.Requests()[0].text);
    PutFile(temp.File("result.txt"), std::to_string(length) + "|" + box);
  });
  bool bSwapped = false;
  while (child.Next()) {
    const auto call = child.Beginning();
    if (bSwapped || !call || !IsRename(call->number)) continue;
    fs::remove(named);
    fs::create_symlink(elsewhere, named);
    bSwapped = true;
  }
  NameTemporariesForTesting(nullptr);
  ASSERT_TRUE(bSwapped);
  const std::string result = FileBytes(temp.File("result.txt"));
  EXPECT_EQ(result.substr(0, 2), "0|") << result;
  EXPECT_NE(result.find("Stale file handle"), std::string::npos) << result;
  EXPECT_EQ(FileBytes(elsewhere), "not ours");
}

}  // namespace
