// The end of a game and the three dialog commands, driven through the screen: the name
// entry when the total reaches the table, the entry stored in order, the file written,
// the table shown; the menu's dialogs leaving a turn as it was.
#include <string>

#include "board_fixture.h"
#include "dialogs/hi_scores_dlg.h"
#include "dialogs/name_entry_dlg.h"
#include "dialogs/options_dlg.h"
#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/shell.h"
#include "platform/wnd/soft_keyboard.h"
#include "platform/wnd/window_system.h"
#include "support/scoped_temp_folder.h"

namespace {
// Five sixes every turn, the categories taken top of the card first: 30 in 3 Kind, 4 Kind,
// Sixes and Chance, 50 in TUMBLA, 0 elsewhere.
constexpr int kAllSixesTotal = 170;

CString ShownRow(int nIndex) {
  const auto* dlg = InFront<CHiScoresDlg>();
  return dlg ? dlg->Row(nIndex)->GetText() : CString(u"(no Hi Scores dialog)");
}

std::string Entry(int nIndex, int nScore, const std::string& name) {
  const std::string digit = std::to_string(nIndex);
  return "<HISC" + digit + ">" + std::to_string(nScore) + "\n<HINA" + digit + ">" + name + "\n";
}
}  // namespace

class EndGameTest : public BoardTest {
 protected:
  EndGameTest() {
    theSettings.ResetHiScores();
    theSettings.Save();
  }
  ~EndGameTest() override { SHSipPreference(nullptr, SIP_FORCEDOWN); }

  // The whole game up to the tap on the thirteenth category and the tick that ends it.
  void ScriptAllSixesGame() {
    for (int c = 0; c < kCategoryCount; ++c) {
      Roll({6, 6, 6, 6, 6});
      Take(c);
    }
  }

  std::string SettingsFileBytes() const { return FileBytes(m_folder.File("Tumbla.ini")); }

  void SetTable(std::initializer_list<int> scores) {
    int i = 0;
    for (int score : scores) theSettings.m_nHiScore[i++] = score;
  }

  ScopedTempFolder m_folder;
};

TEST_F(EndGameTest, AGameThatReachesTheTableAsksForTheNameStoresItAndShowsTheTable) {
  ScriptAllSixesGame();
  Check([] {
    EXPECT_TRUE(InFront<CNameEntryDlg>());
    EXPECT_TRUE(SipIsUp());
  });
  m_ui.Type(u"Winner").Key(VK_RETURN);
  Check([this] {
    EXPECT_TRUE(InFront<CHiScoresDlg>());
    EXPECT_EQ(ShownRow(2), u"Corvina \u00BB 170");
    EXPECT_EQ(ShownRow(3), u"Winner \u00BB 170") << "below the equal score";
    EXPECT_EQ(ShownRow(9), u"Ivvorin \u00BB 110");
    EXPECT_NE(SettingsFileBytes().find("<HINA3>Winner\n"), std::string::npos) << "saved before the table shows";
  });
  m_ui.Key(VK_RETURN);
  Check([this] {
    EXPECT_EQ(ActiveDialog(), &m_board);
    EXPECT_EQ(CellValue(kTotalIndex), kAllSixesTotal) << "the board keeps the final TOTAL";
    EXPECT_FALSE(m_board.IsGameStarted());
  });
  Run();

  EXPECT_EQ(SettingsFileBytes(), "<AUDIO>1\n<COLOR>0\n<SPEED>1\n" + Entry(0, 190, "Avlomo") + Entry(1, 180, "Bexin") +
                                     Entry(2, 170, "Corvina") + Entry(3, 170, "Winner") + Entry(4, 160, "Dalmo") +
                                     Entry(5, 150, "Evrolde") + Entry(6, 140, "Fennu") + Entry(7, 130, "Gubbo") +
                                     Entry(8, 120, "Hesko") + Entry(9, 110, "Ivvorin"));
  EXPECT_EQ(m_ui.MessageBoxes().size(), 0u);
}

TEST_F(EndGameTest, ATotalEqualToTheLowestEntryShowsNothingAndWritesNothing) {
  SetTable({300, 290, 280, 270, 260, 250, 240, 230, 220, kAllSixesTotal});
  theSettings.Save();
  const std::string before = SettingsFileBytes();
  ScriptAllSixesGame();
  Check([this] {
    EXPECT_EQ(ActiveDialog(), &m_board);
    EXPECT_EQ(CellValue(kTotalIndex), kAllSixesTotal);
  });
  Run();
  EXPECT_EQ(SettingsFileBytes(), before);
  EXPECT_EQ(theSettings.m_strHiName[9], u"Jorlamee");
}

TEST_F(EndGameTest, ClosingTheNameEntryStillStoresTheTotalWithAnEmptyName) {
  ScriptAllSixesGame();
  m_ui.Type(u"Changed my mind").TapCloseBox();
  Check([] { EXPECT_EQ(ShownRow(3), u" \u00BB 170"); });
  m_ui.Key(VK_RETURN);
  // The panel stays up over the board, GO included, until it is put away.
  Check([] { EXPECT_TRUE(SipIsUp()); });
  const CRect hide = *ScreenChrome::Current().SoftKeyboard().KeyRect(u"Hide");
  m_ui.Tap(POINT{hide.left + 2, hide.top + 2}).ChooseMenu(u"New Game");
  Roll({1, 2, 3, 4, 5});
  Check([this] { EXPECT_EQ(RollsShown(), u"2"); });
  Run();
  EXPECT_NE(SettingsFileBytes().find(Entry(3, 170, "")), std::string::npos);
}

// A signal or a lost display ends the program as a close request does; the window's close
// button does after its question. Either way the name being typed is dropped, not the total.
class EndGameClosedTest : public EndGameTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EndGameClosedTest, ACloseDuringTheNameEntryStillStoresTheTotal) {
  ScriptAllSixesGame();
  m_ui.Type(u"Half");
  (GetParam() ? m_ui.CloseButton().Answer(u"Yes") : m_ui.CloseRequest()).Check([] {
    ADD_FAILURE() << "the program is still running";
  });
  Run();
  EXPECT_NE(SettingsFileBytes().find(Entry(3, 170, "")), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(RequestOrButton, EndGameClosedTest, ::testing::Bool());

// The page hidden at the name entry: the total is stored at once, as a signal would store
// it; the name given when the player comes back goes to that one entry.
TEST_F(EndGameTest, AHiddenPageStoresTheTotalAtOnceAndTheNameGivenLaterJoinsIt) {
  ScriptAllSixesGame();
  m_ui.Type(u"Ha").EndSession().Check([this] {
    EXPECT_TRUE(InFront<CNameEntryDlg>());
    EXPECT_NE(SettingsFileBytes().find(Entry(3, 170, "") + Entry(4, 160, "Dalmo")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_folder.File("Tumbla-resume.txt"))) << "the game has ended";
  });
  m_ui.Type(u"lf").Key(VK_RETURN).Check([this] {
    EXPECT_NE(SettingsFileBytes().find(Entry(3, 170, "Half") + Entry(4, 160, "Dalmo")), std::string::npos);
  });
  Run();
}

TEST_F(EndGameTest, TheMenuDialogsLeaveATurnAsItWas) {
  Roll({2, 3, 3, 5, 6});
  TapDie(1);
  TapDie(2);
  auto snapshot = std::make_shared<std::vector<int>>();
  const auto state = [this] {
    std::vector<int> s = DiceShown();
    for (int i = 0; i < kDiceCount; ++i) s.push_back(m_board.Die(i).IsHeld() ? 1 : 0);
    for (int i = 0; i < kScorecardSize; ++i) s.push_back(CellValue(i) * 2 + (CellOffered(i) ? 1 : 0));
    s.push_back(m_board.RollsLeft());
    return s;
  };
  Check([snapshot, state] { *snapshot = state(); });
  m_ui.ChooseMenu(u"Game Options");
  Check([] { EXPECT_TRUE(InFront<COptionsDlg>()); });
  m_ui.TapCloseBox().ChooseMenu(u"Show Hi Scores");
  Check([] { EXPECT_EQ(ShownRow(0), u"Avlomo \u00BB 190"); });
  m_ui.Key(VK_RETURN).ChooseMenu(u"About Tumbla");
  Check([] { EXPECT_EQ(ActiveDialog()->GetDlgItem(IDT_TEXT)->GetWindowTextString(), u"TUMBLA V1.01 16-Nov-03"); });
  m_ui.TapCloseBox().Wait(kTick);
  Check([this, snapshot, state] {
    EXPECT_EQ(ActiveDialog(), &m_board);
    EXPECT_EQ(state(), *snapshot);
  });
  Run();
}
