// The settings file's Windows code, under Wine: the crash-safe save and what a killed one
// leaves, folders named in any script, the one-copy lock, a file the player made read-only
// and one too large to be a table.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "persistence/data_file.h"
#include "persistence/file_bytes.h"
#include "persistence/run_lock.h"
#include "platform/core/module_path.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

class WindowsFilesTest : public ::testing::Test {
 protected:
  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(WindowsFilesTest, ASaveLeavesOnlyTheFileAndWhatAKilledOneLeftGoes) {
  const CDataFile file(u"Tumbla.ini");
  EXPECT_EQ(file.WriteText(u"<AUDIO>1\n", true), 9u);
  EXPECT_EQ(file.WriteText(u"<AUDIO>0\n<COLOR>1\n", true), 18u);
  EXPECT_EQ(FileBytes(temp.File("Tumbla.ini")), "<AUDIO>0\n<COLOR>1\n");
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);

  PutFile(temp.File("Tumbla.ini.tumbla-save"), "half a tab");
  PutFile(temp.File("Tumbla.ini.other"), "not ours");
  file.RemoveLeftovers();
  EXPECT_FALSE(fs::exists(temp.File("Tumbla.ini.tumbla-save")));
  EXPECT_TRUE(fs::exists(temp.File("Tumbla.ini.other")));
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(WindowsFilesTest, AFolderNamedInAnyScriptHoldsTheFile) {
  const fs::path folder = temp.Folder() / fs::path(u8"Ελληνικά 日本語 café");
  fs::create_directory(folder);
  const fs::path executable = folder / "Tumbla.exe";
  SetModuleFilePathForTesting(std::string(reinterpret_cast<const char*>(executable.u8string().c_str())));
  const CDataFile file(u"Tumbla.ini");
  EXPECT_EQ(file.WriteText(u"<HINA0>Zoë\n", true), 11u);
  EXPECT_EQ(FileBytes(folder / "Tumbla.ini"), "<HINA0>Zo\xEB\n");
  EXPECT_EQ(file.ReadText(true), u"<HINA0>Zoë\n");
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(WindowsFilesTest, OneCopyAtATimeHoldsTheFolder) {
  {
    const RunLock first;
    const RunLock second;
    EXPECT_TRUE(first.Held());
    EXPECT_FALSE(second.Held());
  }
  const RunLock afterwards;
  EXPECT_TRUE(afterwards.Held());
  EXPECT_EQ(FolderEntries(temp.Folder()), 0);
}

TEST_F(WindowsFilesTest, AReadOnlyFileIsReportedAndKept) {
  PutFile(temp.File("Tumbla.ini"), "<AUDIO>1\n");
  fs::permissions(temp.File("Tumbla.ini"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(CDataFile(u"Tumbla.ini").WriteText(u"<AUDIO>0\n", true), 0u);
  fs::permissions(temp.File("Tumbla.ini"), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(FileBytes(temp.File("Tumbla.ini")), "<AUDIO>1\n");
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
  ASSERT_EQ(boxes.Requests().size(), 1u);
}

TEST_F(WindowsFilesTest, AFileTooLargeForATableIsReportedNotRead) {
  PutFile(temp.File("Tumbla.ini"), std::string((1 << 20) + 1, 'x'));
  std::vector<BYTE> bytes;
  EXPECT_EQ(CDataFile(u"Tumbla.ini").ReadBytes(bytes, true), 0u);
  EXPECT_TRUE(bytes.empty());
  ASSERT_EQ(boxes.Requests().size(), 1u);
}

}  // namespace
