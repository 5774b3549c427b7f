#include "platform/wnd/soft_keyboard.h"

#include <gtest/gtest.h>

#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/shell.h"
#include "wnd_test_support.h"

namespace {
constexpr int EDIT_ID = 1052;
constexpr RECT PANEL{0, 214, 240, 294};

SoftKeyboardWnd& Keyboard() { return ScreenChrome::Current().SoftKeyboard(); }

POINT KeyCentre(const CString& label) {
  const std::optional<CRect> rect = Keyboard().KeyRect(label);
  EXPECT_TRUE(rect.has_value());
  return rect ? POINT{(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2} : POINT{0, 0};
}

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_CENTER | ES_MULTILINE;
constexpr DialogItemTemplate kEditItem{ItemClass::Edit, u"", 0, EDIT_ID, kEditStyle, 33, 49, 92, 12};

class SoftKeyboardTest : public WndTest {
 protected:
  SoftKeyboardTest() : m_dialog({kEditItem}) {
    m_dialog.onInit = [this] { SHSipPreference(m_dialog.GetSafeHwnd(), SIP_UP); };
  }
  ~SoftKeyboardTest() override { SHSipPreference(nullptr, SIP_FORCEDOWN); }

  UiScript& TapKeys(std::initializer_list<const char16_t*> labels) {
    for (const char16_t* label : labels) m_ui.Tap(KeyCentre(label));
    return m_ui;
  }

  CString EditText() const { return m_dialog.GetDlgItem(EDIT_ID)->GetWindowTextString(); }

  ScriptedDialog m_dialog;
};
}  // namespace

TEST_F(SoftKeyboardTest, TapsTypeIntoTheFocusedEditBoxWithoutTakingTheFocusAndShiftHoldsForOneKey) {
  CString typed;
  bool focusKept = false;
  m_dialog.onOk = [&] {
    typed = EditText();
    m_dialog.EndDialog(IDOK);
  };
  // A second tap on Shift lets it go before any key.
  TapKeys({u"Shift", u"h", u"i", u"Space", u"7", u"Bksp", u"Shift", u"1", u"Shift", u"-", u".", u"Shift", u"Shift",
           u"c", u"Shift", u"."});
  m_ui.Check([&] {
    focusKept = CWnd::GetFocus() == m_dialog.GetDlgItem(EDIT_ID);
    EXPECT_FALSE(Keyboard().IsShifted());
  });
  TapKeys({u"Enter"});
  EXPECT_EQ(m_dialog.DoModal(), IDOK);
  EXPECT_TRUE(focusKept);
  EXPECT_EQ(typed, u"Hi !_.c'") << "no key gives a comma, which a name may not hold";
}

TEST_F(SoftKeyboardTest, PenLiftedOutsideTheKeyTypesNothing) {
  m_ui.PenDown(KeyCentre(u"q")).PenUp(KeyCentre(u"w"));
  m_ui.Check([&] { EXPECT_EQ(EditText(), u""); });
  m_dialog.DoModal();
}

// How the raised panel looks is held by the name entry's reference image.
TEST_F(SoftKeyboardTest, PanelCoversTheDialogAboveTheMenuBarOnlyWhileRaised) {
  const POINT inside{120, 250};  // within the panel and on the dialog's background
  m_ui.Check([&] {
    EXPECT_EQ(WindowSystem::Current().HitTest(inside), &Keyboard());
    EXPECT_EQ(WindowSystem::Current().HitTest(POINT{120, PANEL.top - 1}), &m_dialog);
    SHSipPreference(m_dialog.GetSafeHwnd(), SIP_FORCEDOWN);
  });
  m_ui.Check([&] {
    EXPECT_EQ(m_ui.Screenshot().Pixel(inside.x, inside.y), TEST_GREEN);
    EXPECT_EQ(WindowSystem::Current().HitTest(inside), &m_dialog);
  });
  m_dialog.DoModal();
}

TEST_F(SoftKeyboardTest, TheHideKeyPutsThePanelAwayAndTheMenuBarsKeyboardButtonBringsItBack) {
  TapKeys({u"x", u"Hide"});
  m_ui.Check([&] {
    EXPECT_FALSE(SipIsUp());
    EXPECT_EQ(EditText(), u"x");
    EXPECT_EQ(WindowSystem::Current().HitTest(KeyCentre(u"Hide")), &m_dialog);
  });
  m_ui.TapInputPanelButton().Check([&] { EXPECT_TRUE(SipIsUp()); });
  TapKeys({u"y"});
  m_ui.TapInputPanelButton();
  m_ui.Check([&] {
    EXPECT_FALSE(SipIsUp());
    EXPECT_EQ(EditText(), u"xy") << "the button takes no focus from the box";
  });
  m_dialog.DoModal();
}

TEST(SoftKeyboardButtonTest, ADialogWithoutAnEditBoxShowsNoKeyboardButton) {
  CWinApp app;
  UiScript ui;
  ScriptedDialog dialog({});
  ui.Check([] { EXPECT_FALSE(ScreenChrome::Current().InputPanelButtonRect().has_value()); });
  dialog.DoModal();
}

// Every shifted label keeps a pixel of the key's face clear inside its frame; the unshifted
// ones are held by the name entry's reference image.
TEST_F(SoftKeyboardTest, EveryShiftedLabelFitsInsideItsKey) {
  const std::vector<CString> labels{u"1", u"0", u"Bksp",  u"q",     u"w",     u"m",
                                    u"-", u".", u"Enter", u"Shift", u"Space", u"Hide"};
  const auto expectClearRings = [this, &labels] {
    const Surface screen = m_ui.Screenshot();
    for (const CString& label : labels) {
      CRect ring = *Keyboard().KeyRect(label);
      ring.DeflateRect(2);
      const COLORREF face = screen.Pixel(ring.left, ring.top);
      bool clear = true;
      for (int x = ring.left; x < ring.right; ++x) {
        clear = clear && screen.Pixel(x, ring.top) == face && screen.Pixel(x, ring.bottom - 1) == face;
      }
      for (int y = ring.top; y < ring.bottom; ++y) {
        clear = clear && screen.Pixel(ring.left, y) == face && screen.Pixel(ring.right - 1, y) == face;
      }
      EXPECT_TRUE(clear) << "the label touches the frame of " << std::string(label.begin(), label.end());
    }
  };
  TapKeys({u"Shift"});
  m_ui.Check(expectClearRings);
  m_dialog.DoModal();
}
