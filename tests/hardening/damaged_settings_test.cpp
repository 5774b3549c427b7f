// A settings file that is there but cannot be read costs the player nothing: the game says
// so, plays with the defaults and never writes over it, so the table in it survives.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::u16string kKeptMessage =
    u"Error exporting data to disk:\nTumbla.ini could not be read when the game started, so it is left as it was.";

void ExpectDefaults(const CGameSettings& settings) {
  EXPECT_EQ(settings.m_nAudio, 1);
  EXPECT_EQ(settings.m_nColor, 0);
  EXPECT_EQ(settings.m_nSpeed, 1);
  EXPECT_EQ(settings.m_nHiScore[0], 190);
  EXPECT_EQ(settings.m_strHiName[9], u"Jorlamee");
}

class DamagedSettingsTest : public ::testing::Test {
 protected:
  fs::path SettingsFile() const { return temp.File("Tumbla.ini"); }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(DamagedSettingsTest, AFolderInTheFilesPlaceIsReportedAndLeftAlone) {
  fs::create_directory(SettingsFile());
  {
    CGameSettings settings;
    ExpectDefaults(settings);
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, u"Error reading data from disk:\nIs a directory");
    settings.m_nHiScore[0] = 250;
    EXPECT_EQ(settings.Save(), 0u);
    ASSERT_EQ(boxes.Requests().size(), 2u);
    EXPECT_EQ(boxes.Requests()[1].text, kKeptMessage);
  }
  // The save at the end says so once more.
  ASSERT_EQ(boxes.Requests().size(), 3u);
  EXPECT_EQ(boxes.Requests()[2].text, kKeptMessage);
  EXPECT_TRUE(fs::is_directory(SettingsFile()));
}

TEST_F(DamagedSettingsTest, AnUnreadableFileKeepsItsTable) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const std::string table = "<AUDIO>0\n<HISC0>400\n<HINA0>Kept\n";
  PutFile(SettingsFile(), table);
  fs::permissions(SettingsFile(), fs::perms::owner_write);
  {
    CGameSettings settings;
    ExpectDefaults(settings);
    ASSERT_FALSE(boxes.Requests().empty());
    EXPECT_EQ(boxes.Requests()[0].text, u"Error reading data from disk:\nPermission denied");
  }
  fs::permissions(SettingsFile(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(FileBytes(SettingsFile()), table);
}

TEST_F(DamagedSettingsTest, APipeInTheFilesPlaceNeitherHangsNorIsReplaced) {
  ASSERT_EQ(mkfifo(SettingsFile().c_str(), 0600), 0);
  {
    CGameSettings settings;
    EXPECT_EQ(settings.m_nAudio, 0);
    EXPECT_EQ(settings.Save(), 0u);
  }
  ASSERT_EQ(boxes.Requests().size(), 2u);
  EXPECT_EQ(boxes.Requests()[0].text, u"Error exporting data to disk:\nNo such device or address");
  EXPECT_TRUE(fs::is_fifo(SettingsFile()));
}

TEST_F(DamagedSettingsTest, ANameHoldingATagIsCutSoThatNoScoreChangesAtTheNextStart) {
  PutFile(SettingsFile(), "<HISC4>150\n<HINA0>Al<HISC4>7\n<HINA1>Bo<AUDIO\n<AUDIO>1\n");
  CGameSettings settings;
  EXPECT_EQ(settings.m_nHiScore[4], 150);
  EXPECT_EQ(settings.m_strHiName[0], u"Al");
  EXPECT_EQ(settings.m_strHiName[1], u"Bo<AUDIO");
  EXPECT_EQ(settings.m_nAudio, 1);
  EXPECT_TRUE(boxes.Requests().empty());
}

}  // namespace
