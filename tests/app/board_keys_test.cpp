// The whole program by keyboard: keys act as the taps they stand for, with their sounds;
// the focus ring over the offers shows only once a key has moved it, and the menu and
// every dialog answer to keys.
#include <memory>

#include "board_fixture.h"
#include "dialogs/about_dlg.h"
#include "dialogs/hi_scores_dlg.h"
#include "dialogs/options_dlg.h"
#include "gdi_test_support.h"
#include "platform/wnd/screen_chrome.h"
#include "support/scoped_temp_folder.h"

namespace {
constexpr COLORREF kFocusRing = RGB(255, 255, 0);
constexpr COLORREF kCheckBoxFocus = RGB(0, 51, 153);

// How many pixels of that colour a window shows.
int PixelsOf(const CWnd& window, COLORREF color) { return CountColor(window.GetSurface(), color); }
}  // namespace

class BoardKeysTest : public BoardTest {
 protected:
  int FocusedCell() const {
    for (int i = 0; i < kScorecardSize; ++i) {
      if (m_board.Cell(i).HasFocusRing()) return i;
    }
    return -1;
  }
  int RingPixels() const {
    int count = 0;
    for (int i = 0; i < kScorecardSize; ++i) count += PixelsOf(m_board.Cell(i), kFocusRing);
    return count;
  }
};

// Space and G roll, the digits of both rows hold dice, Tab goes to the first open category
// and Enter takes it, all with the sounds of the taps they stand for; Ctrl+N starts a new
// game and Ctrl+Q asks to leave.
TEST_F(BoardKeysTest, KeysRollHoldTakeStartOverAndLeaveAsTheirTapsDo) {
  for (const UINT nRoll : {UINT{VK_SPACE}, UINT{'G'}}) {
    QueueFaces({1, 1, 1, 2, 3});
    m_ui.Key(nRoll).Wait(kTick).Key('1').Key('5').Key(VK_NUMPAD0 + 1).Key(VK_NUMPAD0 + 5).Key('2');
    Check([this] {
      for (int i = 0; i < kDiceCount; ++i) EXPECT_EQ(m_board.Die(i).IsHeld(), i == 1) << "die " << i;
    });
    m_ui.Key(VK_TAB).Key(VK_RETURN).Wait(kTick);
  }
  Check([this] {
    EXPECT_EQ(CellValue(CellIndex(Category::Ones)), 3);
    EXPECT_EQ(CellValue(CellIndex(Category::ThreeKind)), 8) << "the second Tab went on to the next open category";
  });
  m_ui.Key('N', MOD_CONTROL_DOWN).Answer(u"Yes");
  Check([this] { EXPECT_EQ(CellValue(CellIndex(Category::Ones)), -1) << "Ctrl+N started a new game"; });
  m_ui.Key('Q', MOD_CONTROL_DOWN).Answer(u"Yes");
  EXPECT_EQ(Run(), IDOK);
  const std::vector<CString> turn = {u"WAV_1", u"WAV_2", u"WAV_3", u"WAV_4", u"WAV_4",
                                     u"WAV_4", u"WAV_4", u"WAV_4", u"WAV_5"};
  std::vector<CString> sounds = {u"WAV_2"};
  for (int nTurn = 0; nTurn < 2; ++nTurn) sounds.insert(sounds.end(), turn.begin(), turn.end());
  sounds.push_back(u"WAV_2");  // the new game's
  EXPECT_EQ(m_ui.SoundNames(), sounds);
  ASSERT_EQ(m_ui.MessageBoxes().size(), 2u);
  EXPECT_EQ(m_ui.MessageBoxes()[1].caption, u"Exit Tumbla?");
}

// Ctrl+N is a single key away from Ctrl+Q and G: once the dice have rolled it asks, with
// No as the answer Enter gives; before the first roll and after the last category there is
// nothing to lose and it starts at once. The menu's "New Game" never asks.
TEST_F(BoardKeysTest, CtrlNAsksOnlyWhileAGameIsUnderWayAndEnterKeepsTheGame) {
  m_ui.Key('N', MOD_CONTROL_DOWN);
  Roll({2, 2, 3, 4, 5});
  m_ui.Key('N', MOD_CONTROL_DOWN).Key(VK_RETURN);
  Check([this] {
    ASSERT_EQ(m_ui.MessageBoxes().size(), 1u) << "the start of a game asked nothing";
    const MessageBoxRecord& box = m_ui.MessageBoxes()[0];
    EXPECT_EQ(box.text, u"Start a new game?");
    EXPECT_EQ(box.type, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_EQ(box.answer, IDNO);
    EXPECT_EQ(RollsShown(), u"2") << "No kept the game";
  });
  m_ui.Key('N', MOD_CONTROL_DOWN).Key(VK_ESCAPE);
  Take(CellIndex(Category::Twos));
  m_ui.Key('N', MOD_CONTROL_DOWN).Answer(u"No");
  Check([this] { EXPECT_EQ(CellValue(CellIndex(Category::Twos)), 4) << "a scored category alone is a game to keep"; });
  m_ui.Key('N', MOD_CONTROL_DOWN).Answer(u"Yes");
  Check([this] {
    EXPECT_EQ(CellValue(CellIndex(Category::Twos)), -1);
    EXPECT_EQ(m_ui.MessageBoxes().size(), 4u);
  });
  m_ui.ChooseMenu(u"New Game");
  Roll({6, 6, 6, 6, 6});
  m_ui.ChooseMenu(u"New Game").Wait(kTick);
  Check([this] {
    EXPECT_EQ(m_ui.MessageBoxes().size(), 4u) << "the menu item asked";
    EXPECT_EQ(RollsShown(), u"3");
  });
  for (int c = 0; c < kCategoryCount; ++c) {
    Roll({1, 2, 3, 4, 6});
    Take(c);
  }
  m_ui.Key('N', MOD_CONTROL_DOWN);
  Check([this] {
    EXPECT_EQ(m_ui.MessageBoxes().size(), 4u) << "a finished game asked";
    EXPECT_EQ(CellValue(kTotalIndex), -1) << "a finished game was not replaced";
  });
  m_ui.Key('Q', MOD_CONTROL_DOWN).Answer(u"Yes");
  EXPECT_EQ(Run(), IDOK);
}

TEST_F(BoardKeysTest, TheRingShowsOnceAKeyMovesItAndGoesAtTheNextPenTap) {
  Roll({1, 2, 3, 4, 6});
  auto screen = std::make_shared<Surface>(1, 1);
  Check([this, screen] {
    *screen = m_ui.Screenshot();
    EXPECT_EQ(FocusedCell(), -1);
  });
  // Keys that move no focus show no ring.
  m_ui.Key('1').Key('1');
  Check([this, screen] {
    EXPECT_EQ(RingPixels(), 0);
    EXPECT_TRUE(SamePixels(m_ui.Screenshot(), *screen)) << "the dice's own keys leave the board as the pen would";
  });
  m_ui.Key(VK_DOWN);
  Check([this] {
    EXPECT_EQ(FocusedCell(), 0);
    EXPECT_GT(RingPixels(), 0);
  });
  m_ui.Key(VK_DOWN);
  Check([this] { EXPECT_EQ(FocusedCell(), 2) << "down the left column"; });
  m_ui.Key(VK_RIGHT);
  Check([this] { EXPECT_EQ(FocusedCell(), 3); });
  m_ui.Key(VK_UP);
  Check([this] { EXPECT_EQ(FocusedCell(), 1) << "up the right column"; });
  m_ui.Key(VK_UP);
  Check([this] { EXPECT_EQ(FocusedCell(), 11) << "round the top, past Bonus without an offer"; });
  m_ui.Key(VK_TAB).Key(VK_TAB);
  Check([this] { EXPECT_EQ(FocusedCell(), 0) << "Tab goes round the end"; });
  m_ui.Key(VK_TAB, MOD_SHIFT_DOWN);
  Check([this] { EXPECT_EQ(FocusedCell(), 12); });
  // A pen tap on a die: the ring goes before the tap does its work.
  TapDie(4);
  Check([this] {
    EXPECT_EQ(FocusedCell(), -1);
    EXPECT_EQ(RingPixels(), 0);
    EXPECT_TRUE(m_board.Die(4).IsHeld());
  });
  m_ui.Key(VK_RETURN).Wait(kTick);
  Check([this] {
    EXPECT_EQ(OfferedCount(), 13) << "Enter without a focused offer takes nothing";
    EXPECT_TRUE(m_board.IsWindowVisible()) << "nor closes the board";
  });
  m_ui.Key(VK_LEFT).Key(VK_RETURN).Wait(kTick);
  Check([this] {
    EXPECT_EQ(CellValue(12), 16) << "Chance taken";
    EXPECT_EQ(RollsShown(), u"3") << "the turn committed";
    EXPECT_EQ(RingPixels(), 0) << "the filled cell shows no ring";
  });
  Run();
  EXPECT_EQ(m_ui.SoundNames().back(), u"WAV_5");
}

TEST_F(BoardKeysTest, TheArrowsReachBonusWhileItOffersTheExtra) {
  Roll({6, 6, 6, 6, 6});
  Take(11);
  Roll({5, 5, 5, 5, 5});
  Check([this] { ASSERT_TRUE(CellOffered(13)) << "the extra is on offer"; });
  m_ui.Key(VK_TAB).Key(VK_RIGHT).Key(VK_UP);
  Check([this] { EXPECT_EQ(FocusedCell(), 13) << "up the right column, round the top"; });
  m_ui.Key(VK_DOWN);
  Check([this] { EXPECT_EQ(FocusedCell(), 1) << "down round the bottom"; });
  m_ui.Key(VK_LEFT).Key(VK_LEFT);
  Check([this] { EXPECT_EQ(FocusedCell(), 13) << "left round the start"; });
  m_ui.Key(VK_RETURN).Wait(kTick);
  Check([this] { EXPECT_EQ(CellValue(13), 100); });
  Run();
}

TEST_F(BoardKeysTest, TheMenuByKeys) {
  m_ui.Key(VK_F10);
  Check([] { EXPECT_TRUE(ScreenChrome::Current().PopupIsOpen()); });
  m_ui.Key(VK_ESCAPE);
  Check([this] {
    EXPECT_FALSE(ScreenChrome::Current().PopupIsOpen());
    EXPECT_TRUE(m_board.IsWindowVisible()) << "Escape closed only the menu";
  });
  m_ui.Key(VK_MENU).Key(VK_MENU);
  Check([] { EXPECT_FALSE(ScreenChrome::Current().PopupIsOpen()) << "Alt opens and closes"; });
  // From "New Game" down past the separator to "Reset Hi Scores".
  m_ui.Key(VK_MENU).Key(VK_DOWN).Key(VK_DOWN).Key(VK_RETURN);
  Check([this] {
    ASSERT_EQ(m_ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_ui.MessageBoxes()[0].caption, u"Reset Hi Scores?");
  });
  m_ui.Key(VK_ESCAPE);
  // Up from the first item goes round to "Exit".
  m_ui.Key(VK_F10).Key(VK_UP).Key(VK_RETURN);
  Check([this] { EXPECT_EQ(m_ui.MessageBoxes().back().caption, u"Exit Tumbla?"); });
  m_ui.Key(VK_RETURN);
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(m_ui.MessageBoxes()[0].answer, IDNO) << "Escape answers the box as No";
}

TEST_F(BoardKeysTest, TheDialogsByKeys) {
  ScopedTempFolder folder;
  theSettings.Save();
  // Options: Tab moves over the boxes, Space ticks them, the focus cue follows.
  m_ui.Key(VK_F10).Key(VK_DOWN).Key(VK_DOWN).Key(VK_DOWN).Key(VK_RETURN);
  Check([] { EXPECT_NE(InFront<COptionsDlg>(), nullptr); });
  m_ui.Key(VK_SPACE).Key(VK_TAB).Key(VK_SPACE).Key(VK_TAB).Key(VK_SPACE);
  Check([] {
    EXPECT_EQ(theSettings.m_nAudio, 0);
    EXPECT_EQ(theSettings.m_nColor, 1);
    EXPECT_EQ(theSettings.m_nSpeed, 0);
    const CWnd* speed = InFront<COptionsDlg>()->GetDlgItem(IDC_SPEED_CHECK);
    const CWnd* audio = InFront<COptionsDlg>()->GetDlgItem(IDC_AUDIO_CHECK);
    EXPECT_GT(PixelsOf(*speed, kCheckBoxFocus), 0);
    EXPECT_EQ(PixelsOf(*audio, kCheckBoxFocus), 0);
  });
  m_ui.Key(VK_TAB, MOD_SHIFT_DOWN).Key(VK_SPACE).Key(VK_RETURN);
  Check([] {
    EXPECT_EQ(theSettings.m_nColor, 0) << "Shift+Tab went back to the colour box";
    EXPECT_EQ(InFront<COptionsDlg>(), nullptr) << "Enter closed the dialog";
  });
  // About and Hi Scores close with Enter or Escape.
  m_ui.Key(VK_F10).Key(VK_UP).Key(VK_UP).Key(VK_UP).Key(VK_RETURN);
  Check([] { EXPECT_NE(InFront<CAboutDlg>(), nullptr); });
  m_ui.Key(VK_ESCAPE);
  m_ui.Key(VK_F10).Key(VK_DOWN).Key(VK_RETURN);
  Check([] { EXPECT_NE(InFront<CHiScoresDlg>(), nullptr); });
  m_ui.Key(VK_RETURN);
  Check([this] { EXPECT_EQ(ActiveDialog(), &m_board); });
  Run();
}
