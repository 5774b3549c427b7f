// The menu commands, the keys and the help request on the board.
#include <filesystem>

#include "board_fixture.h"
#include "dialogs/options_dlg.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"
#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/window_system.h"

namespace {
std::string SettingsFileText() {
  return FileBytes(std::filesystem::path(ToUtf8(GetModuleFilePath())).parent_path() / "Tumbla.ini");
}
}  // namespace

using BoardCommands = BoardTest;

TEST_F(BoardCommands, ResetHiScoresAsksAndOnlyYesResetsAndSaves) {
  theSettings.m_nHiScore[0] = 999;
  theSettings.m_strHiName[0] = u"Ada";
  m_ui.ChooseMenu(u"Reset Hi Scores").Answer(u"No");
  Check([] { EXPECT_EQ(theSettings.m_nHiScore[0], 999); });
  m_ui.ChooseMenu(u"Reset Hi Scores").Answer(u"Yes");
  Check([] {
    CGameSettings defaults;
    defaults.SetDefaults();
    for (int i = 0; i < kHiScoreCount; ++i) {
      EXPECT_EQ(theSettings.m_nHiScore[i], defaults.m_nHiScore[i]);
      EXPECT_EQ(theSettings.m_strHiName[i], defaults.m_strHiName[i]);
    }
    EXPECT_EQ(SettingsFileText().find("Ada"), std::string::npos) << "the reset table is saved";
  });
  Run();
  ASSERT_EQ(m_ui.MessageBoxes().size(), 2u);
  EXPECT_EQ(m_ui.MessageBoxes()[0].caption, u"Reset Hi Scores?");
  EXPECT_EQ(m_ui.MessageBoxes()[0].text, u"Are you sure that you wish to reset the high score table?");
}

TEST_F(BoardCommands, ExitOrEscapeAsksAndOnlyYesEndsTheBoardWhichEnterNeverCloses) {
  Check([] {
    EXPECT_FALSE(ScreenChrome::Current().CaptionOkRect().has_value()) << "the title bar's OK is hidden";
    EXPECT_FALSE(ScreenChrome::Current().CloseBoxRect().has_value());
  });
  m_ui.ChooseMenu(u"Exit").Answer(u"No").Key(VK_RETURN);
  Roll({1, 2, 3, 4, 5});
  m_ui.Key(VK_ESCAPE).Answer(u"No");
  Check([this] { EXPECT_EQ(RollsShown(), u"2") << "the board goes on after No"; });
  m_ui.Key(VK_ESCAPE).Answer(u"Yes");
  Check([] { ADD_FAILURE() << "the board is still running"; });
  EXPECT_EQ(Run(), IDOK);
  ASSERT_EQ(m_ui.MessageBoxes().size(), 3u);
  for (const MessageBoxRecord& box : m_ui.MessageBoxes()) {
    EXPECT_EQ(box.caption, u"Exit Tumbla?");
    EXPECT_EQ(box.text, u"Are you sure that you wish to exit Tumbla?");
    EXPECT_EQ(box.type, MB_YESNO | MB_ICONQUESTION);
  }
  EXPECT_EQ(m_ui.MessageBoxes()[2].answer, IDYES);
}

TEST_F(BoardCommands, TheWindowsCloseButtonAsksOnceAlsoOverADialogAndYesEndsEveryDialog) {
  m_ui.CloseButton().Answer(u"No");
  m_ui.ChooseMenu(u"Game Options");
  // Pressed twice before the question is answered, it asks once.
  m_ui.CloseButton().CloseButton().Answer(u"No");
  Check([] { EXPECT_NE(InFront<COptionsDlg>(), nullptr) << "the options stay open after No"; });
  m_ui.CloseButton().Answer(u"Yes");
  Check([] { ADD_FAILURE() << "the board is still running"; });
  Run();
  ASSERT_EQ(m_ui.MessageBoxes().size(), 3u);
  for (const MessageBoxRecord& box : m_ui.MessageBoxes()) {
    EXPECT_EQ(box.text, u"Are you sure that you wish to exit Tumbla?");
  }
}

TEST_F(BoardCommands, TheHelpRequestInstructionsAndF1OpenTheHelpPage) {
  m_ui.Key(VK_F1).ChooseMenu(u"Intructions").Key(VK_F1);
  Run();
  ASSERT_EQ(m_ui.HelpLaunches().size(), 3u);
  for (const HelpLaunchRecord& launch : m_ui.HelpLaunches()) {
    EXPECT_TRUE(launch.pagePath.ends_with(u"/Tumbla.htm")) << ToUtf8(launch.pagePath);
  }
}

TEST_F(BoardCommands, WhenNoHelpViewerStartsOneBoxNamesThePage) {
  m_ui.RemoveHelpViewer();
  m_ui.Key(VK_F1).Answer(u"OK");
  Check([this] { EXPECT_EQ(ActiveDialog(), &m_board) << "the game goes on"; });
  Run();
  ASSERT_EQ(m_ui.HelpLaunches().size(), 1u);
  ASSERT_EQ(m_ui.MessageBoxes().size(), 1u);
  EXPECT_EQ(m_ui.MessageBoxes()[0].text,
            u"No viewer could open the help page. The page is:\n" + m_ui.HelpLaunches()[0].pagePath);
}

// xdg-open starts even where it finds nothing to show the page with; its status comes later,
// maybe while a dialog is open, and brings the same box.
TEST_F(BoardCommands, AViewerThatFailsAfterItStartedBringsTheSameBox) {
  m_ui.ChooseMenu(u"Intructions").Wait(kTick).HelpViewerFails().Answer(u"OK");
  m_ui.Key(VK_F1).ChooseMenu(u"Game Options").HelpViewerFails().Answer(u"OK");
  Check([] { EXPECT_NE(InFront<COptionsDlg>(), nullptr) << "the box closed the dialog under it"; });
  Run();
  ASSERT_EQ(m_ui.HelpLaunches().size(), 2u);
  ASSERT_EQ(m_ui.MessageBoxes().size(), 2u);
  for (const MessageBoxRecord& box : m_ui.MessageBoxes()) {
    EXPECT_EQ(box.text, u"No viewer could open the help page. The page is:\n" + m_ui.HelpLaunches()[0].pagePath);
  }
}
