// The window tree: hit testing through the z-order, the paint cycle, destruction and the
// composed screen. Rectangles are checked by where the templates' items land; that the pen
// comes up where it went down the board's GO shows.
#include <gtest/gtest.h>

#include "platform/wnd/controls.h"
#include "platform/wnd/paint_helpers.h"
#include "wnd_test_support.h"

namespace {
class WindowTree : public WndTest {
 protected:
  WindowTree() { m_top.Create(nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 26, 240, 294), nullptr, 0); }

  static void Pen(InputEvent::Kind kind, POINT screenPoint) {
    InputEvent event{};
    event.kind = kind;
    event.point = screenPoint;
    WindowSystem::Current().DispatchInput(event);
  }
  static void Tap(POINT screenPoint) {
    Pen(InputEvent::Kind::PenDown, screenPoint);
    Pen(InputEvent::Kind::PenUp, screenPoint);
  }

  LoggingWnd* Child(const std::string& name, const RECT& rect, UINT id) {
    auto* child = new LoggingWnd(m_log, name);
    m_children.emplace_back(child);
    child->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rect, &m_top, id);
    return child;
  }

  std::vector<std::string> m_log;
  LoggingWnd m_top{m_log, "top"};
  std::vector<std::unique_ptr<LoggingWnd>> m_children;
};

TEST_F(WindowTree, TapGoesToTheTopmostVisibleChildAndNeverToItsParent) {
  Child("first", CRect(10, 10, 60, 60), 1);
  LoggingWnd* second = Child("second", CRect(40, 40, 90, 90), 2);

  Tap(POINT{50, 76});  // in both; a new child goes below its older siblings
  Tap(POINT{80, 106});
  Tap(POINT{5, 31});
  second->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Tap(POINT{50, 76});
  second->ShowWindow(SW_HIDE);
  Tap(POINT{50, 76});

  EXPECT_EQ(m_log, (std::vector<std::string>{"first down 40,40", "first up 40,40", "second down 40,40",
                                             "second up 40,40", "top down 5,5", "top up 5,5", "second down 10,10",
                                             "second up 10,10", "first down 40,40", "first up 40,40"}));
}

TEST_F(WindowTree, QuietPicturesLetTapsThroughAndNotifyingOnesSendACommand) {
  ScriptedDialog dialog({
      DialogItemTemplate{ItemClass::Static, u"", 0, 7, WS_CHILD | WS_VISIBLE | SS_NOTIFY, 0, 0, 40, 40},
      DialogItemTemplate{ItemClass::Static, u"", 0, 8, WS_CHILD | WS_VISIBLE, 0, 0, 160, 165},
  });
  std::vector<CPoint> dialogTaps;
  dialog.onTap = [&](CPoint p) { dialogTaps.push_back(p); };
  m_ui.Tap(POINT{100, 200}).Tap(POINT{10, 36});
  dialog.DoModal();
  ASSERT_EQ(dialogTaps.size(), 1u);
  EXPECT_EQ(dialogTaps[0], CPoint(100, 174));
  EXPECT_EQ(dialog.commands, std::vector<UINT>{7});
}

TEST_F(WindowTree, PaintCycleValidatesAndUpdateWindowPaintsAtOnce) {
  LoggingWnd* child = Child("child", CRect(0, 0, 10, 10), 1);
  EXPECT_TRUE(child->IsInvalid());
  m_top.UpdateWindow();
  EXPECT_EQ(child->paints, 1);
  EXPECT_FALSE(child->IsInvalid());
  m_top.UpdateWindow();
  EXPECT_EQ(child->paints, 1);
  child->Invalidate();
  child->UpdateWindow();
  EXPECT_EQ(child->paints, 2);
}

TEST_F(WindowTree, DestroyingAWindowTakesItsChildrenAndTimersAlong) {
  LoggingWnd* child = Child("child", CRect(0, 0, 10, 10), 1);
  child->SetTimer(5, 50, nullptr);
  ASSERT_TRUE(WindowSystem::Current().NextTimerDue().has_value());
  m_top.DestroyWindow();
  EXPECT_EQ(child->GetSafeHwnd(), nullptr);
  EXPECT_FALSE(WindowSystem::Current().NextTimerDue().has_value());
  EXPECT_FALSE(WindowSystem::Current().IsLiveWindow(child));
}

TEST_F(WindowTree, TheScreenShowsEachWindowBelowTheOnesAboveIt) {
  LoggingWnd* upper = Child("upper", CRect(0, 0, 20, 20), 1);
  LoggingWnd* lower = Child("lower", CRect(10, 10, 30, 30), 2);
  for (auto [window, color] : {std::pair{upper, RGB(255, 0, 0)}, std::pair{lower, RGB(0, 0, 255)}}) {
    CDC* dc = window->GetDC();
    FillSolid(*dc, CRect(0, 0, 20, 20), color);
    window->ReleaseDC(dc);
  }
  WindowSystem::Current().RefreshScreen();
  const Surface& screen = WindowSystem::Current().ScreenPixels();
  EXPECT_EQ(screen.Pixel(15, 26 + 15), RGB(255, 0, 0));
  EXPECT_EQ(screen.Pixel(25, 26 + 25), RGB(0, 0, 255));

  // The lower window drawing again does not come through the upper one.
  CDC* dc = lower->GetDC();
  FillSolid(*dc, CRect(0, 0, 20, 20), RGB(0, 255, 0));
  lower->ReleaseDC(dc);
  const int presents = m_ui.PresentCount();
  WindowSystem::Current().RefreshScreen();
  EXPECT_EQ(m_ui.PresentCount(), presents + 1);
  EXPECT_EQ(screen.Pixel(15, 26 + 15), RGB(255, 0, 0));
  EXPECT_EQ(screen.Pixel(25, 26 + 25), RGB(0, 255, 0));

  // Nothing changed: nothing presented.
  WindowSystem::Current().RefreshScreen();
  EXPECT_EQ(m_ui.PresentCount(), presents + 1);

  upper->ShowWindow(SW_HIDE);
  WindowSystem::Current().RefreshScreen();
  EXPECT_EQ(screen.Pixel(15, 26 + 15), RGB(0, 255, 0));
}
}  // namespace
