// The settings beside an executable installed in a folder that takes no new file: a file
// there that may still be written is kept up to date; one that may not is reported at
// every save and left as it was.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "hardening/read_only_path.h"
#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

const std::string kTable = "<AUDIO>0\n<HISC0>400\n<HINA0>Kept\n";

class ReadOnlyFolderTest : public ::testing::Test {
 protected:
  ReadOnlyFolderTest() { PutFile(SettingsFile(), kTable); }
  std::filesystem::path SettingsFile() const { return temp.File("Tumbla.ini"); }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(ReadOnlyFolderTest, AWritableFileIsRewrittenWhereItIs) {
  const ReadOnlyPath folder(temp.Folder());
  if (!folder.Holds()) GTEST_SKIP() << "no way to stop writes into a folder here";
  {
    CGameSettings settings;
    EXPECT_EQ(settings.m_nHiScore[0], 400);
    settings.m_nHiScore[0] = 777;
    EXPECT_GT(settings.Save(), 0u);
    settings.m_nAudio = 1;
  }
  EXPECT_TRUE(boxes.Requests().empty());
  const std::string saved = FileBytes(SettingsFile());
  EXPECT_EQ(saved.substr(0, 9), "<AUDIO>1\n") << "the save at the end went in as well";
  EXPECT_NE(saved.find("<HISC0>777\n<HINA0>Kept\n"), std::string::npos);
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
}

TEST_F(ReadOnlyFolderTest, AReadOnlyFileIsReportedAtEverySaveAndKept) {
  const ReadOnlyPath folder(temp.Folder());
  const ReadOnlyPath file(SettingsFile());
  if (!folder.Holds() || !file.Holds()) GTEST_SKIP() << "no way to stop writes here";
  const CString expected = u"Error exporting data to disk:\n" + FromUtf8(file.Reason());
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
  EXPECT_EQ(FileBytes(SettingsFile()), kTable);
  EXPECT_EQ(FolderEntries(temp.Folder()), 1);
}

}  // namespace
