// The menu bar of a dialog: its drop-down button, the pop-up and its commands. That an item
// sends its command to the dialog in front, whose bar it is, the board's tests and reference
// images show; the menu by keys is tested on the board's menu.
#include <gtest/gtest.h>

#include "platform/core/resources.h"
#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/shell_palette.h"
#include "wnd_test_support.h"

namespace {
constexpr UINT CMD_FIRST = 40001;
constexpr UINT CMD_SECOND = 40002;
constexpr int BAR = 500;
constexpr int BAR_TEXT = 501;

constexpr MenuItemTemplate kItems[] = {{CMD_FIRST, u"First"}, {0, u""}, {CMD_SECOND, u"Second"}};
constexpr MenuTemplate kMenus[] = {{BAR, kItems}};
constexpr MenuBarButtonTemplate kButtons[] = {{40000, BAR_TEXT, true}};
constexpr MenuBarTemplate kBars[] = {{BAR, BAR, kButtons}};
constexpr StringResourceEntry kStrings[] = {{BAR_TEXT, u"Menu"}};

class MenuBar : public WndTest {
 protected:
  MenuBar() {
    SetWindowResourceTables(WindowResourceTables{{}, kMenus, kBars});
    SetStringTable(kStrings);
    m_dialog.onInit = [this] { EXPECT_TRUE(m_dialog.GetCommandBar()->InsertMenuBar(BAR)); };
    m_dialog.onTap = [this](CPoint) { ++m_taps; };
  }
  ~MenuBar() override {
    SetWindowResourceTables({});
    SetStringTable({});
  }

  ScriptedDialog m_dialog{{}};
  int m_taps = 0;
};

// The pop-up stands on the bar: "First" spans rows 246 to 265, "Second" 273 to 292.
TEST_F(MenuBar, MenuLooksPressedWhileOpenAndAHoveringMouseLightsTheItemUnderIt) {
  static constexpr POINT kMenuButton{3, 300};  // the button's face, clear of its text
  static constexpr POINT kOnFirst{5, 250};
  static constexpr POINT kOnSecond{5, 280};
  const auto expectLit = [this](COLORREF button, COLORREF first, COLORREF second) {
    const Surface screen = m_ui.Screenshot();
    EXPECT_EQ(screen.Pixel(kMenuButton.x, kMenuButton.y), button);
    if (!ScreenChrome::Current().PopupIsOpen()) return;
    EXPECT_EQ(screen.Pixel(kOnFirst.x, kOnFirst.y), first);
    EXPECT_EQ(screen.Pixel(kOnSecond.x, kOnSecond.y), second);
  };
  m_ui.Hover(kOnFirst).Check([&] { expectLit(BAR_COLOR, 0, 0); });
  m_ui.TapMenuButton(u"Menu").Check([&] { expectLit(HIGHLIGHT_COLOR, MENU_BACKGROUND, MENU_BACKGROUND); });
  m_ui.Hover(kOnFirst).Check([&] { expectLit(HIGHLIGHT_COLOR, HIGHLIGHT_COLOR, MENU_BACKGROUND); });
  m_ui.Hover(kOnSecond).Check([&] { expectLit(HIGHLIGHT_COLOR, MENU_BACKGROUND, HIGHLIGHT_COLOR); });
  m_ui.Hover(POINT{120, 60}).Check([&] {
    EXPECT_TRUE(ScreenChrome::Current().PopupIsOpen()) << "hovering elsewhere closes nothing";
    expectLit(HIGHLIGHT_COLOR, MENU_BACKGROUND, MENU_BACKGROUND);
  });
  m_ui.Tap(POINT{120, 60}).Check([&] { expectLit(BAR_COLOR, 0, 0); });
  m_dialog.DoModal();
  EXPECT_TRUE(m_dialog.commands.empty());
  EXPECT_EQ(m_taps, 0) << "neither the hovering nor the closing tap reached the dialog";
}

TEST_F(MenuBar, ATapOnASeparatorKeepsThePopupAndATapElsewhereClosesItWithoutCommand) {
  std::optional<CRect> first;
  m_ui.TapMenuButton(u"Menu").Check([&] { first = ScreenChrome::Current().PopupItemRect(u"First"); });
  m_dialog.DoModal();
  ASSERT_TRUE(first.has_value());
  const POINT separator{first->left + 20, first->bottom + 3};

  bool openAfterSeparator = false;
  bool openAfterOutside = true;
  m_ui.StartNextRun();
  m_ui.TapMenuButton(u"Menu")
      .Tap(separator)
      .Check([&] { openAfterSeparator = ScreenChrome::Current().PopupIsOpen(); })
      .Tap(POINT{120, 60})
      .Check([&] { openAfterOutside = ScreenChrome::Current().PopupIsOpen(); });
  m_dialog.DoModal();
  EXPECT_TRUE(openAfterSeparator);
  EXPECT_FALSE(openAfterOutside);
  EXPECT_TRUE(m_dialog.commands.empty());
  EXPECT_EQ(m_taps, 0);  // the closing tap goes no further
}

TEST_F(MenuBar, TheMenuKeyOpensNothingUnderAnotherDialog) {
  ScriptedDialog inner({}, DS_CENTER);
  bool open = true;
  m_dialog.onCommand = [&](UINT) { inner.DoModal(); };
  m_ui.Key(VK_F10)
      .Key(VK_RETURN)
      .Key(VK_F10)
      .Check([&] { open = ScreenChrome::Current().PopupIsOpen(); })
      .Key(VK_ESCAPE);
  m_dialog.DoModal();
  EXPECT_FALSE(open);
}
}  // namespace
