#include "persistence/extra_settings.h"

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

class ExtraSettingsTest : public ::testing::Test {
 protected:
  fs::path ExtrasFile() const { return temp.File("Tumbla-extras.ini"); }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(ExtraSettingsTest, OffAndNoFileUntilTheCoachIsTurnedOn) {
  const int nBefore = FolderEntries(temp.File(""));
  CExtraSettings extras;
  extras.Load();
  EXPECT_FALSE(extras.m_bCoach);
  EXPECT_EQ(FolderEntries(temp.File("")), nBefore);

  extras.m_bCoach = true;
  EXPECT_EQ(extras.Save(), 9u);
  EXPECT_EQ(FileBytes(ExtrasFile()), "<COACH>1\n");
  CExtraSettings reloaded;
  reloaded.Load();
  EXPECT_TRUE(reloaded.m_bCoach);
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST_F(ExtraSettingsTest, OnlyOneTurnsItOn) {
  for (const char* bytes : {"<COACH>2\n", "<COACH>\n", "# nothing\n"}) {
    PutFile(ExtrasFile(), bytes);
    CExtraSettings extras;
    extras.m_bCoach = true;
    extras.Load();
    EXPECT_FALSE(extras.m_bCoach) << bytes;
  }
}

// Something that cannot be read under the name (a folder) is reported and never replaced.
TEST_F(ExtraSettingsTest, UnreadableFileIsKept) {
  fs::create_directory(ExtrasFile());
  CExtraSettings extras;
  extras.Load();
  EXPECT_FALSE(extras.m_bCoach);
  ASSERT_EQ(boxes.Requests().size(), 1u);
  extras.m_bCoach = true;
  EXPECT_EQ(extras.Save(), 0u);
  ASSERT_EQ(boxes.Requests().size(), 2u);
  EXPECT_EQ(boxes.Requests()[1].text, u"Error exporting data to disk:\n" + FromUtf8(ExtrasFile().string()) +
                                          u" could not be read when the game started, so it is left as it was.");
  EXPECT_TRUE(fs::is_directory(ExtrasFile()));
}

}  // namespace
