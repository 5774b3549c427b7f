// Whole runs of the program on the headless back end, as the game's start and end make
// them: the settings load (a failure there shows a box before the board exists), the board
// runs, and the settings are saved as the program ends.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/board_dlg.h"
#include "hardening/read_only_path.h"
#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"
#include "support/scoped_temp_folder.h"
#include "support/ui_script.h"

namespace {

namespace fs = std::filesystem;

constexpr char16_t kExportFailure[] = u"Error exporting data to disk:\n";

class ProgramRun : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InstallProgramResources();
    InstallWindowResources();
  }

  // What the program's settings object does as the program starts and ends is done on
  // that object, which the board uses.
  int Run() {
    theSettings.Load();
    const int result = board.DoModal();
    theSettings.Save();
    return result;
  }

  ScopedTempFolder temp;
  CWinApp app;
  UiScript backend;
  CBoardDlg board;
};

TEST_F(ProgramRun, AQuitWhileTheFirstBoxIsUpEndsTheProgramWhichSavesOnce) {
  // The folder appears while the box about the failed first save is up; that save went to a
  // data folder that cannot be made below a plain file.
  const fs::path folder = temp.Folder() / "installed";
  SetModuleFilePathForTesting(FromUtf8((folder / "tumbla").string()));
  PutFile(temp.File("plain"), "");
  setenv("XDG_DATA_HOME", temp.File("plain").c_str(), 1);
  backend.Check([&] { fs::create_directory(folder); }).CloseRequest();
  backend.Check([] { ADD_FAILURE() << "the board runs after the desktop asked the program to close"; });
  theSettings.Load();
  theSettings.m_nAudio = 0;
  EXPECT_EQ(board.DoModal(), IDCANCEL);
  EXPECT_FALSE(fs::exists(folder / "Tumbla.ini")) << "nothing is saved before the end";
  EXPECT_GT(theSettings.Save(), 0u);
  EXPECT_EQ(FileBytes(folder / "Tumbla.ini").substr(0, 9), "<AUDIO>0\n");
  ASSERT_EQ(backend.MessageBoxes().size(), 1u);
  EXPECT_EQ(backend.MessageBoxes()[0].text,
            kExportFailure + FromUtf8(temp.File("plain").string()) + u"/tumbla\nNot a directory");
}

TEST_F(ProgramRun, WhereNoFolderTakesAFileEverySaveSaysWhyOnceAndTheGameGoesOn) {
  const ReadOnlyPath folder(temp.Folder());
  const ReadOnlyPath dataHome(temp.DataHome());
  if (!folder.Holds() || !dataHome.Holds()) GTEST_SKIP() << "no way to stop writes into a folder here";
  const CString failure =
      kExportFailure + FromUtf8((temp.DataHome() / "tumbla").string()) + u"\n" + FromUtf8(dataHome.Reason());
  // The first start creates the file, which fails.
  backend.Answer(u"OK");
  backend.TapItem(IDC_GO).Wait(1000);
  backend.Check([&] { EXPECT_EQ(board.RollsLeft(), 2); });
  backend.ChooseMenu(u"Reset Hi Scores").Answer(u"Yes").Answer(u"OK");
  backend.TapItem(IDC_GO).Wait(1000);
  backend.Check([&] {
    EXPECT_EQ(board.RollsLeft(), 1);
    EXPECT_EQ(backend.MessageBoxes().size(), 3u);
  });
  backend.ChooseMenu(u"Exit").Answer(u"Yes");
  // The save at the end, after the board has closed.
  backend.Answer(u"OK");
  EXPECT_EQ(Run(), IDOK);
  EXPECT_TRUE(backend.ScriptDone());
  std::vector<CString> texts;
  for (const MessageBoxRecord& box : backend.MessageBoxes()) texts.push_back(box.text);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0], failure);
  EXPECT_EQ(texts[1], u"Are you sure that you wish to reset the high score table?");
  EXPECT_EQ(texts[2], failure);
  EXPECT_EQ(texts[3], u"Are you sure that you wish to exit Tumbla?");
  EXPECT_EQ(texts[4], failure);
  EXPECT_EQ(FolderEntries(temp.Folder()), 0) << "no file and nothing left behind";
}

}  // namespace
