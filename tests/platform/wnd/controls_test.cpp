// The standard controls: check box, edit box, push button and dialog item text.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/wnd/controls.h"
#include "wnd_test_support.h"

namespace {
using Controls = WndTest;

constexpr int BOX = 1045;
constexpr int NAME = 1052;
constexpr int PUSH = 300;

DialogItemTemplate CheckBoxItem() {
  return DialogItemTemplate{ItemClass::Button, u"", 0, BOX, 0x50010003, 127, 52, 10, 9};
}

DialogItemTemplate NameBoxItem() {
  return DialogItemTemplate{ItemClass::Edit, u"", 0, NAME, 0x50810005, 33, 49, 92, 12};
}

TEST_F(Controls, CheckBoxTogglesItselfBeforeItTellsTheDialog) {
  ScriptedDialog dialog({CheckBoxItem()});
  std::vector<LRESULT> seen;
  dialog.onCommand = [&](UINT) { seen.push_back(dialog.SendDlgItemMessage(BOX, BM_GETCHECK)); };
  m_ui.TapItem(BOX).TapItem(BOX);
  dialog.DoModal();
  EXPECT_EQ(seen, (std::vector<LRESULT>{BST_CHECKED, BST_UNCHECKED}));
}

TEST_F(Controls, EditBoxTypesAndEditsAtTheCaret) {
  ScriptedDialog dialog({NameBoxItem()});
  CString text;
  int oks = 0;
  dialog.onOk = [&] {
    ++oks;
    dialog.GetDlgItemText(NAME, text);
    dialog.EndDialog(IDOK);
  };
  m_ui.Type(u"abc")
      .Key(VK_LEFT)
      .Key(VK_LEFT)
      .Type(u"X")      // aX|bc
      .Key(VK_DELETE)  // aX|c
      .Key(VK_HOME)
      .Key(VK_DELETE)  // |Xc
      .Key(VK_END)
      .Type(u"de")  // Xcde|
      .Type(u"\b")  // Xcd|
      .Key(VK_RIGHT)
      .Key(VK_RETURN);  // multi-line without want-return: the dialog's OK
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(text, u"Xcd");
  EXPECT_EQ(oks, 1);
}

TEST_F(Controls, EditBoxHasNoLengthLimitAndTakesTextFromTheDialog) {
  ScriptedDialog dialog({NameBoxItem()});
  const CString longName(300, u'w');
  CString afterTyping;
  CString afterSet;
  dialog.onOk = [&] {
    dialog.GetDlgItemText(NAME, afterTyping);
    dialog.SetDlgItemText(NAME, u"");
    dialog.GetDlgItemText(NAME, afterSet);
  };
  m_ui.Type(longName).Key(VK_RETURN).Type(u"z").Key(VK_ESCAPE);
  dialog.DoModal();
  EXPECT_EQ(afterTyping, longName);
  EXPECT_EQ(afterSet, u"");
}

TEST_F(Controls, EditBoxKeepsLongTextInsideItsBorderWithTheCaretInView) {
  ScriptedDialog dialog({NameBoxItem()});
  Surface screen;
  RECT box{};
  m_ui.Type(CString(40, u'W')).Check([&] {
    dialog.GetDlgItem(NAME)->GetWindowRect(&box);
    screen = m_ui.Screenshot();
  });
  dialog.DoModal();
  const CRect frame(box);
  int borderGaps = 0;
  for (int x = frame.left; x < frame.right; ++x) {
    borderGaps += screen.Pixel(x, frame.top) != RGB(0, 0, 0) ? 1 : 0;
    borderGaps += screen.Pixel(x, frame.bottom - 1) != RGB(0, 0, 0) ? 1 : 0;
  }
  for (int y = frame.top; y < frame.bottom; ++y) {
    borderGaps += screen.Pixel(frame.left, y) != RGB(0, 0, 0) ? 1 : 0;
    borderGaps += screen.Pixel(frame.right - 1, y) != RGB(0, 0, 0) ? 1 : 0;
  }
  EXPECT_EQ(borderGaps, 0);
  // The caret, at the end of the text, is the last column inside the box.
  const int caretX = frame.right - 3;
  int caretPixels = 0;
  for (int y = frame.top + 2; y < frame.bottom - 2; ++y) caretPixels += screen.Pixel(caretX, y) == RGB(0, 0, 0) ? 1 : 0;
  EXPECT_EQ(caretPixels, frame.Height() - 4);
}

TEST_F(Controls, PushButtonClicksWhenThePenIsLiftedOverIt) {
  ScriptedDialog dialog({ButtonItem(PUSH, u"Push", 10, 10)});
  const POINT inside{45, 53};
  m_ui.Tap(inside).PenDown(inside).PenUp(POINT{200, 200});
  dialog.DoModal();
  EXPECT_EQ(dialog.commands, std::vector<UINT>{PUSH});
}
}  // namespace
