// Modal dialogs and message boxes driven by the script, nested and closed.
#include <gtest/gtest.h>

#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/shell.h"
#include "wnd_test_support.h"

namespace {
using ModalLoops = WndTest;

constexpr int OPEN_INNER = 100;
constexpr int ASK = 101;

TEST_F(ModalLoops, NestedDialogsAndMessageBoxesFollowTheScript) {
  ScriptedDialog outer({ButtonItem(OPEN_INNER, u"Inner", 10, 10)});
  ScriptedDialog inner({ButtonItem(ASK, u"Ask", 10, 40)});
  std::vector<std::string> events;
  outer.onTap = [&](CPoint) { events.push_back("outer tap"); };
  inner.onTap = [&](CPoint) { events.push_back("inner tap"); };
  outer.onCommand = [&](UINT) { events.push_back("inner returned " + std::to_string(inner.DoModal())); };
  inner.onCommand = [&](UINT) {
    const int answer = MessageBoxW(nullptr, u"Sure?", u"Question", MB_YESNO | MB_ICONQUESTION);
    events.push_back("answer " + std::to_string(answer));
  };
  m_backend.TapItem(OPEN_INNER)
      .Check([&] { EXPECT_EQ(WindowSystem::Get().ActiveDialog(), &inner); })
      .Tap(POINT{100, 200})
      .TapItem(ASK)
      .Answer(u"Yes")
      .TapItem(ASK)
      .Key(VK_ESCAPE)  // the box answers No
      .TapItem(ASK)
      .Key(VK_RETURN)  // the default button: Yes
      .Key(VK_ESCAPE)  // closes the inner dialog
      .Key(VK_RETURN);  // OK on the outer one
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(events, (std::vector<std::string>{"inner tap", "answer 6", "answer 7", "answer 6", "inner returned 2"}));
  ASSERT_EQ(m_backend.MessageBoxes().size(), 3u);
  EXPECT_EQ(m_backend.MessageBoxes()[0].caption, u"Question");
  EXPECT_EQ(m_backend.MessageBoxes()[0].text, u"Sure?");
  EXPECT_EQ(m_backend.MessageBoxes()[0].type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(m_backend.MessageBoxes()[1].answer, IDNO);
  EXPECT_TRUE(m_backend.ScriptDone());
}

TEST_F(ModalLoops, TheEndOfTheScriptClosesEveryLoopWithItsSafeAnswer) {
  ScriptedDialog outer({ButtonItem(OPEN_INNER, u"Inner", 10, 10)});
  ScriptedDialog inner({});
  int innerResult = 0;
  int boxAnswer = 0;
  int okAnswer = 0;
  outer.onCommand = [&](UINT) {
    innerResult = inner.DoModal();
    boxAnswer = MessageBoxW(nullptr, u"Exit?", u"Exit", MB_YESNO | MB_ICONQUESTION);
    okAnswer = AfxMessageBox(u"Done.");
  };
  m_backend.TapItem(OPEN_INNER);
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(boxAnswer, IDNO);
  EXPECT_EQ(okAnswer, IDOK);
  ASSERT_EQ(m_backend.MessageBoxes().size(), 2u);
  EXPECT_EQ(m_backend.MessageBoxes()[1].caption, u"Tumbla");
  // The window layer is ready for the next run.
  ScriptedDialog again({});
  EXPECT_EQ(again.DoModal(), IDCANCEL);
  EXPECT_EQ(WindowSystem::Get().ActiveDialog(), nullptr);
}

TEST_F(ModalLoops, EnterRunsOnOkAndADialogMayRefuseIt) {
  ScriptedDialog board({});
  int oks = 0;
  board.onOk = [&] { ++oks; };  // like the board: Enter does not close it
  m_backend.Key(VK_RETURN).Key(VK_RETURN).Key(VK_ESCAPE);
  EXPECT_EQ(board.DoModal(), IDCANCEL);
  EXPECT_EQ(oks, 2);
}

TEST_F(ModalLoops, TitleBarShowsTheCaptionAndTheCloseBoxOrTheOkButton) {
  ScriptedDialog dialog({});
  std::optional<CRect> closeBox;
  std::optional<CRect> okButton;
  m_backend.Check([&] {
    closeBox = WindowSystem::Get().Chrome().CloseBoxRect();
    okButton = WindowSystem::Get().Chrome().CaptionOkRect();
  });
  m_backend.TapCloseBox();
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_TRUE(closeBox.has_value());
  EXPECT_FALSE(okButton.has_value());
}

TEST_F(ModalLoops, TheTitleBarsOkButtonRunsOnOk) {
  ScriptedDialog dialog({}, 0, WS_EX_CAPTIONOKBTN);
  int oks = 0;
  dialog.onOk = [&] {
    ++oks;
    dialog.EndDialog(IDOK);
  };
  m_backend.Check([&] {
    const std::optional<CRect> ok = WindowSystem::Get().Chrome().CaptionOkRect();
    ASSERT_TRUE(ok.has_value());
    EXPECT_FALSE(WindowSystem::Get().Chrome().CloseBoxRect().has_value());
    m_backend.Tap(POINT{(ok->left + ok->right) / 2, (ok->top + ok->bottom) / 2});
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(oks, 1);
}

TEST_F(ModalLoops, HiddenDoneButtonLeavesTheTitleBarWithoutButtons) {
  // The board: caption-OK style, whose OK button the shell hides.
  ScriptedDialog board({}, 0, WS_EX_CAPTIONOKBTN);
  board.onInit = [&] { SHDoneButton(board.GetSafeHwnd(), SHDB_HIDE); };
  std::optional<CRect> closeBox;
  std::optional<CRect> okButton;
  m_backend.Check([&] {
    closeBox = WindowSystem::Get().Chrome().CloseBoxRect();
    okButton = WindowSystem::Get().Chrome().CaptionOkRect();
  });
  board.DoModal();
  EXPECT_FALSE(closeBox.has_value());
  EXPECT_FALSE(okButton.has_value());
}

TEST_F(ModalLoops, HelpRequestReachesTheDialogInFront) {
  ScriptedDialog dialog({ButtonItem(OPEN_INNER, u"Focus", 10, 10)});
  int helpCtrl = 0;
  dialog.onHelp = [&](HELPINFO* info) {
    helpCtrl = info->iCtrlId;
    return TRUE;
  };
  m_backend.HelpRequest();
  dialog.DoModal();
  EXPECT_EQ(helpCtrl, OPEN_INNER);  // the first tab stop has the focus
}

TEST_F(ModalLoops, LongMessageTextIsWrappedInACentredBox) {
  ScriptedDialog dialog({ButtonItem(ASK, u"Ask", 10, 40)});
  dialog.onCommand = [&](UINT) {
    MessageBoxW(nullptr, u"Are you sure that you wish to reset the high score table?", u"Reset Hi Scores?",
                MB_YESNO | MB_ICONQUESTION);
  };
  CRect box;
  m_backend.TapItem(ASK).Check([&] {
    box = WindowSystem::Get().ScreenRectOf(WindowSystem::Get().ActiveDialog());
    EXPECT_TRUE(m_backend.SaveScreenshot("message_box.png"));
  }).Answer(u"No");
  dialog.DoModal();
  EXPECT_EQ(box.left + box.right, SCREEN_WIDTH);
  EXPECT_LT(box.Width(), SCREEN_WIDTH);
  EXPECT_GT(box.Height(), 60);  // two lines of text above the buttons
  EXPECT_EQ(m_backend.MessageBoxes().at(0).answer, IDNO);
}
}  // namespace
