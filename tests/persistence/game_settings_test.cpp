#include "persistence/game_settings.h"

#include <gtest/gtest.h>

#include "file_bytes.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kDefaultFile =
    "<AUDIO>1\n<COLOR>0\n<SPEED>1\n"
    "<HISC0>190\n<HINA0>Avlomo\n<HISC1>180\n<HINA1>Bexin\n<HISC2>170\n<HINA2>Corvina\n"
    "<HISC3>160\n<HINA3>Dalmo\n<HISC4>150\n<HINA4>Evrolde\n<HISC5>140\n<HINA5>Fennu\n"
    "<HISC6>130\n<HINA6>Gubbo\n<HISC7>120\n<HINA7>Hesko\n<HISC8>110\n<HINA8>Ivvorin\n"
    "<HISC9>100\n<HINA9>Jorlamee\n";

class GameSettingsTest : public ::testing::Test {
 protected:
  fs::path SettingsFile() const { return temp.File("Tumbla.ini"); }
  void PutSettings(const std::string& bytes) const { PutFile(SettingsFile(), bytes); }
  std::string SettingsBytes() const { return FileBytes(SettingsFile()); }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
};

TEST_F(GameSettingsTest, EmptyFileIsNotReplacedByTheDefaults) {
  PutSettings("");
  // Saved as the record ends, the file shows every value that was loaded.
  { CGameSettings settings; }
  EXPECT_TRUE(boxes.Requests().empty());
  EXPECT_EQ(SettingsBytes(),
            "<AUDIO>0\n<COLOR>0\n<SPEED>0\n<HISC0>0\n<HINA0>\n<HISC1>0\n<HINA1>\n<HISC2>0\n<HINA2>\n"
            "<HISC3>0\n<HINA3>\n<HISC4>0\n<HINA4>\n<HISC5>0\n<HINA5>\n<HISC6>0\n<HINA6>\n<HISC7>0\n<HINA7>\n"
            "<HISC8>0\n<HINA8>\n<HISC9>0\n<HINA9>\n");
}

TEST_F(GameSettingsTest, OrderAndTextBetweenEntriesDoNotMatter) {
  std::string shuffled = "# kept by hand\n";
  for (int i = kHiScoreCount - 1; i >= 0; --i) {
    shuffled += "<HINA" + std::to_string(i) + ">N" + std::to_string(i) + "\n";
    shuffled += "x<HISC" + std::to_string(i) + ">" + std::to_string(50 + i) + "\n";
  }
  shuffled += "<SPEED>1\n<COLOR>1\n<AUDIO>1\n";
  PutSettings(shuffled);
  CGameSettings settings;
  EXPECT_EQ(settings.m_nColor, 1);
  EXPECT_EQ(settings.m_nSpeed, 1);
  EXPECT_EQ(settings.m_nHiScore[0], 50);  // loaded as it stands, not sorted
  EXPECT_EQ(settings.m_nHiScore[9], 59);
  EXPECT_EQ(settings.m_strHiName[7], u"N7");
}

TEST_F(GameSettingsTest, NamesTravelAsSingleBytes) {
  {
    CGameSettings settings;
    settings.m_strHiName[0] = u"Z\u00F6e\u0141";
    settings.m_strHiName[1] = CString(25, u'L');
    settings.m_nHiScore[1] = 500;
    settings.m_nColor = 2;
  }
  EXPECT_NE(SettingsBytes().find("<HINA0>Z\xF6"
                                 "eA\n"),
            std::string::npos);
  CGameSettings reloaded;
  EXPECT_EQ(reloaded.m_strHiName[0], u"Z\u00F6eA");
  EXPECT_EQ(reloaded.m_strHiName[1], CString(25, u'L'));
  EXPECT_EQ(reloaded.m_nHiScore[1], 500);
  EXPECT_EQ(reloaded.m_nColor, 2);
}

TEST_F(GameSettingsTest, ResetKeepsTheCurrentOptions) {
  PutSettings("<AUDIO>0\n<COLOR>1\n<SPEED>0\n<HISC0>999\n<HINA0>Me\n");
  {
    CGameSettings settings;
    settings.ResetHiScores();
    settings.Save();
  }
  std::string expected = kDefaultFile;
  expected.replace(0, 27, "<AUDIO>0\n<COLOR>1\n<SPEED>0\n");
  EXPECT_EQ(SettingsBytes(), expected);
}

// The first start there writes the default file.
TEST_F(GameSettingsTest, AFolderNamedInLatin1IsAHomeLikeAnyOther) {
  const fs::path folder = temp.Folder() / "caf\xE9";
  fs::create_directory(folder);
  SetModuleFilePathForTesting((folder / "tumbla").string());
  {
    CGameSettings settings;
    EXPECT_EQ(settings.Save(), 277u);
  }
  EXPECT_EQ(FileBytes(folder / "Tumbla.ini"), kDefaultFile);
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST(ProgramObjects, SettingsLiveInATemporaryFolderNotBesideTheTestBinary) {
  const fs::path binaryFolder = fs::read_symlink("/proc/self/exe").parent_path();
  const fs::path settingsFolder = fs::path(ToUtf8(GetModuleFilePath())).parent_path();
  EXPECT_NE(settingsFolder, binaryFolder);
  EXPECT_TRUE(fs::exists(settingsFolder / "Tumbla.ini"));
  EXPECT_FALSE(fs::exists(binaryFolder / "Tumbla.ini"));
  EXPECT_EQ(theSettings.m_strHiName[0], u"Avlomo");
}

}  // namespace
