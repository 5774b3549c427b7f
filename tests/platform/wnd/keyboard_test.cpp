// The keyboard in the window layer: keys reach the focused control or else the dialog,
// Tab walks the tab stops (and reaches a dialog that has none), Space clicks a button,
// and focus cues come with the first key and go with the next pen tap. The menu by keys
// is with the menu's other tests.
#include <gtest/gtest.h>

#include <utility>

#include "gdi_test_support.h"
#include "platform/wnd/controls.h"
#include "wnd_test_support.h"

namespace {
constexpr COLORREF FOCUS_CUE = RGB(0, 51, 153);
constexpr int BOX_A = 301;
constexpr int BOX_B = 302;

DialogItemTemplate CheckBoxItem(int id, int y) {
  return DialogItemTemplate{ItemClass::Button, u"", 0, id, 0x50010003, 20, y, 10, 9};
}

// A dialog that logs the keys and cue changes that reach it.
class KeyDialog : public ScriptedDialog {
 public:
  explicit KeyDialog(std::vector<DialogItemTemplate> items = {}) : ScriptedDialog(std::move(items)) {}
  std::vector<std::pair<UINT, bool>> keys;  // the key, and whether Ctrl was down
  std::vector<UINT> characters;
  std::vector<WORD> cueActions;

 protected:
  void OnKeyDown(UINT key, UINT, UINT) override { keys.emplace_back(key, (GetKeyState(VK_CONTROL) & 0x8000) != 0); }
  void OnChar(UINT character, UINT, UINT) override { characters.push_back(character); }
  void OnUpdateUIState(UINT action, UINT) override { cueActions.push_back(static_cast<WORD>(action)); }
};

int CuePixels(const CWnd* control) { return CountColor(control->GetSurface(), FOCUS_CUE); }

using Keyboard = WndTest;

TEST_F(Keyboard, WithoutAFocusedControlTheDialogTakesKeysTabAndCharacters) {
  KeyDialog dialog;
  m_ui.Key('N', MOD_CONTROL_DOWN).Key(VK_TAB).Type(u"x").Key(VK_RETURN);
  EXPECT_EQ(dialog.DoModal(), IDOK) << "Enter still gives the dialog its default command";
  EXPECT_EQ(dialog.keys, (std::vector<std::pair<UINT, bool>>{{'N', true}, {VK_TAB, false}}));
  EXPECT_EQ(dialog.characters, std::vector<UINT>{u'x'});
  EXPECT_FALSE(GetKeyState(VK_CONTROL) & 0x8000) << "the modifiers last as long as their key";
}

TEST_F(Keyboard, TabWalksTheStopsBothWaysAndSpaceClicksTheFocusedBox) {
  KeyDialog dialog({CheckBoxItem(BOX_A, 20), CheckBoxItem(BOX_B, 40)});
  std::vector<int> cueA;
  std::vector<int> cueB;
  const auto look = [&] {
    cueA.push_back(CuePixels(dialog.GetDlgItem(BOX_A)));
    cueB.push_back(CuePixels(dialog.GetDlgItem(BOX_B)));
  };
  m_ui.Check(look)
      .Key(VK_SPACE)
      .Check(look)
      .Key(VK_TAB)
      .Key(VK_SPACE)
      .Check(look)
      .Key(VK_TAB, MOD_SHIFT_DOWN)
      .Key(VK_SPACE)
      .TapItem(BOX_B)
      .Check(look);
  dialog.DoModal();
  EXPECT_EQ(dialog.commands, (std::vector<UINT>{BOX_A, BOX_B, BOX_A, BOX_B}));
  ASSERT_EQ(cueA.size(), 4u);
  EXPECT_EQ(cueA[0], 0) << "focused from the start, but no key yet";
  EXPECT_GT(cueA[1], 0);
  EXPECT_EQ(cueA[2], 0);
  EXPECT_GT(cueB[2], 0) << "Tab moved the focus on";
  EXPECT_EQ(cueA[3] + cueB[3], 0) << "the pen tap put the cues away";
  EXPECT_EQ(dialog.cueActions, (std::vector<WORD>{UIS_CLEAR, UIS_SET})) << "one change each way";
}

}  // namespace
