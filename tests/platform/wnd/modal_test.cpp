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
  m_ui.TapItem(OPEN_INNER)
      .Check([&] { EXPECT_EQ(ActiveDialog(), &inner); })
      .Tap(POINT{100, 200})
      .TapItem(ASK)
      .Answer(u"Yes")
      .TapItem(ASK)
      .Key(VK_ESCAPE)  // the box answers No
      .TapItem(ASK)
      .Key(VK_RETURN)   // the default button: Yes
      .Key(VK_ESCAPE)   // closes the inner dialog
      .Key(VK_RETURN);  // OK on the outer one
  EXPECT_EQ(outer.DoModal(), IDOK);
  EXPECT_EQ(events, (std::vector<std::string>{"inner tap", "answer 6", "answer 7", "answer 6", "inner returned 2"}));
  ASSERT_EQ(m_ui.MessageBoxes().size(), 3u);
  EXPECT_EQ(m_ui.MessageBoxes()[0].caption, u"Question");
  EXPECT_EQ(m_ui.MessageBoxes()[0].text, u"Sure?");
  EXPECT_EQ(m_ui.MessageBoxes()[0].type, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(m_ui.MessageBoxes()[1].answer, IDNO);
  EXPECT_TRUE(m_ui.ScriptDone());
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
  m_ui.TapItem(OPEN_INNER);
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(boxAnswer, IDNO);
  EXPECT_EQ(okAnswer, IDOK);
  ASSERT_EQ(m_ui.MessageBoxes().size(), 2u);
  EXPECT_EQ(m_ui.MessageBoxes()[1].caption, u"Tumbla");
  // The window layer is ready for the next run.
  ScriptedDialog again({});
  EXPECT_EQ(again.DoModal(), IDCANCEL);
  EXPECT_EQ(ActiveDialog(), nullptr);
}

// A tap on the close box cancels, one on the OK button runs OnOK; the board's style hides
// the OK button and leaves the title bar without either.
TEST_F(ModalLoops, TheTitleBarHasTheCloseBoxOrTheOkButtonOrWithTheDoneButtonHiddenNeither) {
  struct Case {
    DWORD exStyle;
    bool hideDone;
    bool closeBox;
    bool okButton;
    int result;
  };
  for (const Case& c : {Case{0, false, true, false, IDCANCEL}, Case{WS_EX_CAPTIONOKBTN, false, false, true, IDOK},
                        Case{WS_EX_CAPTIONOKBTN, true, false, false, IDCANCEL}}) {
    ScriptedDialog dialog({}, 0, c.exStyle);
    if (c.hideDone) dialog.onInit = [&] { SHDoneButton(dialog.GetSafeHwnd(), SHDB_HIDE); };
    m_ui.Check([&] {
      const std::optional<CRect> closeBox = ScreenChrome::Current().CloseBoxRect();
      const std::optional<CRect> okButton = ScreenChrome::Current().CaptionOkRect();
      EXPECT_EQ(closeBox.has_value(), c.closeBox) << c.exStyle;
      EXPECT_EQ(okButton.has_value(), c.okButton) << c.exStyle;
      if (const std::optional<CRect> button = closeBox ? closeBox : okButton) {
        m_ui.Tap(POINT{(button->left + button->right) / 2, (button->top + button->bottom) / 2});
      }
    });
    EXPECT_EQ(dialog.DoModal(), c.result) << c.exStyle << (c.hideDone ? " without Done" : "");
  }
}

TEST_F(ModalLoops, HelpRequestReachesTheDialogInFront) {
  ScriptedDialog dialog({ButtonItem(OPEN_INNER, u"Focus", 10, 10)});
  int helpCtrl = 0;
  dialog.onHelp = [&](HELPINFO* info) {
    helpCtrl = info->iCtrlId;
    return TRUE;
  };
  m_ui.Key(VK_F1);
  dialog.DoModal();
  EXPECT_EQ(helpCtrl, OPEN_INNER);  // the first tab stop has the focus
}

// A phone turned while a dialog is open over the board: the outermost window hears of it,
// as the one that lays out what lies around the screen, and the host keeps the new shape.
TEST_F(ModalLoops, ANewViewShapeReachesTheOutermostWindow) {
  ScriptedDialog outer({ButtonItem(OPEN_INNER, u"Inner", 10, 10)});
  ScriptedDialog inner({});
  std::vector<std::string> heard;
  outer.onViewShape = [&] {
    const SIZE view = CurrentHost().ViewShape();
    heard.push_back("outer " + std::to_string(view.cx) + "x" + std::to_string(view.cy));
  };
  inner.onViewShape = [&] { heard.push_back("inner"); };
  outer.onCommand = [&](UINT) { inner.DoModal(); };
  m_ui.Check([] {
        EXPECT_EQ(CurrentHost().ViewShape(), (SIZE{0, 0}));
      })
      .TapItem(OPEN_INNER)
      .ViewShape(390, 844)
      .ViewShape(844, 390)
      .Key(VK_ESCAPE)
      .Key(VK_ESCAPE);
  outer.DoModal();
  EXPECT_EQ(heard, (std::vector<std::string>{"outer 390x844", "outer 844x390"}));
}
}  // namespace

namespace {
// A window beside the handheld's screen, owned by the dialog whose loop runs: it takes taps
// with its owner, and the screen grows to show it.
TEST_F(ModalLoops, OwnedWindowBesideTheScreenTakesInputWithItsOwner) {
  ScriptedDialog owner({});
  std::vector<std::string> log;
  LoggingWnd beside(log, "beside");
  owner.onInit = [&] {
    CurrentHost().SetScreenSize(SCREEN_WIDTH + 100, SCREEN_HEIGHT);
    beside.CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(SCREEN_WIDTH, 0, SCREEN_WIDTH + 100, 50), &owner,
                    0);
  };
  m_ui.Tap(POINT{SCREEN_WIDTH + 10, 20}).Check([&] {
    const Surface shot = m_ui.Screenshot();
    EXPECT_EQ(shot.Width(), SCREEN_WIDTH + 100);
    EXPECT_EQ(shot.Height(), SCREEN_HEIGHT);
    beside.DestroyWindow();
    CurrentHost().SetScreenSize(SCREEN_WIDTH, SCREEN_HEIGHT);
    EXPECT_EQ(m_ui.Screenshot().Width(), SCREEN_WIDTH);
  });
  owner.DoModal();
  EXPECT_EQ(log, (std::vector<std::string>{"beside down 10,20", "beside up 10,20"}));
}
}  // namespace
