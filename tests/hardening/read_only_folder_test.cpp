// The settings of an executable installed in a folder that takes no new file: a Tumbla.ini
// there that may still be written is kept up to date where it is; otherwise each user saves
// to a file of their own in the per-user data folder, starting from the one beside the
// executable until theirs exists, and the shared one is never written.
#include <filesystem>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "hardening/read_only_path.h"
#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "persistence/run_lock.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kShared = "<AUDIO>0\n<HISC0>400\n<HINA0>Shared\n";
const std::string kOwn = "<AUDIO>0\n<HISC0>500\n<HINA0>Own\n";

enum class Beside { kNone, kWritable, kReadOnly };

struct Case {
  const char* name;
  Beside beside;
  bool bOwnFile;
  int loadedScore;
  bool bSavedBeside;
};

constexpr Case kCases[] = {
    {"a writable file beside is rewritten where it is", Beside::kWritable, false, 400, true},
    {"a writable file beside wins over a per-user one", Beside::kWritable, true, 400, true},
    {"a read-only file beside is where the per-user file starts from", Beside::kReadOnly, false, 400, false},
    {"once there, the per-user file is the one read", Beside::kReadOnly, true, 500, false},
    {"without either, the defaults go to the per-user file", Beside::kNone, false, 190, false},
};

TEST(ReadOnlyFolder, EachUserSavesWhereTheyMayAndTheSharedFileIsKept) {
  for (const Case& c : kCases) {
    ScopedTempFolder temp;
    MessageBoxRecorder boxes;
    const fs::path beside = temp.File("Tumbla.ini");
    const fs::path own = temp.DataHome() / "tumbla" / "Tumbla.ini";
    if (c.beside != Beside::kNone) PutFile(beside, kShared);
    if (c.bOwnFile) {
      fs::create_directory(own.parent_path());
      PutFile(own, kOwn);
    }
    std::optional<ReadOnlyPath> file;
    if (c.beside == Beside::kReadOnly) file.emplace(beside);
    const ReadOnlyPath folder(temp.Folder());
    if (!folder.Holds() || (file && !file->Holds())) GTEST_SKIP() << "no way to stop writes here";
    {
      CGameSettings settings;
      EXPECT_EQ(settings.m_nHiScore[0], c.loadedScore) << c.name;
      settings.m_nHiScore[0] = 777;
    }
    EXPECT_NE(FileBytes(c.bSavedBeside ? beside : own).find("<HISC0>777\n"), std::string::npos) << c.name;
    if (c.beside == Beside::kReadOnly) {
      EXPECT_EQ(FileBytes(beside), kShared) << c.name;
    }
    EXPECT_EQ(FolderEntries(temp.Folder()), c.beside == Beside::kNone ? 0 : 1) << c.name;
    EXPECT_TRUE(boxes.Requests().empty()) << c.name;
  }
}

TEST(ReadOnlyFolder, WhereNeitherFolderTakesAFileEverySaveIsReportedAndTheFileKept) {
  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
  PutFile(temp.File("Tumbla.ini"), kShared);
  const ReadOnlyPath file(temp.File("Tumbla.ini"));
  const ReadOnlyPath folder(temp.Folder());
  const ReadOnlyPath dataHome(temp.DataHome());
  if (!folder.Holds() || !file.Holds() || !dataHome.Holds()) GTEST_SKIP() << "no way to stop writes here";
  const CString expected = u"Error exporting data to disk:\n" + FromUtf8((temp.DataHome() / "tumbla").string()) +
                           u"\n" + FromUtf8(dataHome.Reason());
  {
    CGameSettings settings;
    EXPECT_EQ(settings.m_nHiScore[0], 400) << "a file that cannot be written still loads";
    settings.m_nHiScore[0] = 777;
    EXPECT_EQ(settings.Save(), 0u);
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, expected);
    EXPECT_EQ(settings.m_nHiScore[0], 777) << "the game goes on with what it has";
  }
  ASSERT_EQ(boxes.Requests().size(), 2u) << "one message for the save at the end";
  EXPECT_EQ(boxes.Requests()[1].text, expected);
  EXPECT_EQ(FileBytes(temp.File("Tumbla.ini")), kShared);
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
}

TEST(ReadOnlyFolder, TwoCopiesOfASharedInstallStartedByOneUserShareTheirLock) {
  ScopedTempFolder temp;
  const fs::path other = temp.Folder() / "other";
  fs::create_directory(other);
  const ReadOnlyPath otherFolder(other);
  const ReadOnlyPath folder(temp.Folder());
  if (!folder.Holds() || !otherFolder.Holds()) GTEST_SKIP() << "no way to stop writes into a folder here";
  const RunLock first;
  EXPECT_TRUE(first.Held());
  EXPECT_TRUE(fs::is_directory(temp.DataHome() / "tumbla")) << "made to be locked";
  SetModuleFilePathForTesting((other / "tumbla").string());
  EXPECT_FALSE(RunLock().Held());
}

}  // namespace
