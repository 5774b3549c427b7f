// The off-screen buffers and the skeleton the owner-drawn controls share: the redraw order.
// Where a control replacing its placeholder lands the board's reference images and taps show.
#include <gtest/gtest.h>

#include "gdi_test_support.h"
#include "platform/wnd/dialog.h"
#include "support/square_ctrl.h"
#include "support/ui_script.h"

namespace {
constexpr int PLACEHOLDER_ID = 1000;
constexpr COLORREF BACKGROUND = SquareCtrl::BACKGROUND;
constexpr COLORREF CONTENT = SquareCtrl::CONTENT;

constexpr DialogItemTemplate kItems[] = {
    {ItemClass::Button, u"D1", 0, PLACEHOLDER_ID, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 130, 16, 23, 22},
    {ItemClass::Static, u"", 0, -1, WS_CHILD | WS_VISIBLE, 0, 0, 160, 165},
};
constexpr DialogTemplate kTemplate{
    1, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, u"Board", u"Tahoma", 8, 0, 0, 160, 165, kItems};
constexpr DialogTemplate kCoverTemplate{
    2, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU, 0, u"Cover", u"Tahoma", 8, 0, 0, 160, 165, {}};

class OffscreenBuffer : public ::testing::Test {
 protected:
  OffscreenBuffer() { m_app.SetDialogBkColor(RGB(0, 153, 51), RGB(255, 255, 255)); }

  // Runs the checks inside the board-like dialog's modal loop, with the control made.
  void WithControl(const std::function<void(CDialog&, SquareCtrl&)>& checks) {
    CDialog dialog(&kTemplate);
    m_ui.Check([&] {
      SquareCtrl control(&dialog, PLACEHOLDER_ID);
      checks(dialog, control);
    });
    dialog.DoModal();
  }

  CWinApp m_app;
  UiScript m_ui;
};

TEST_F(OffscreenBuffer, TheFirstRedrawShowsTheBackgroundAndPresentsAtOnce) {
  WithControl([](CDialog&, SquareCtrl& control) {
    control.SetSquare(0);
    const Surface& window = control.GetSurface();
    EXPECT_EQ(CountColor(window, BACKGROUND), 35 * 36);
    EXPECT_FALSE(control.IsInvalid());
    control.SetSquare(10);
    EXPECT_EQ(CountColor(window, CONTENT), 100);
  });
}

TEST_F(OffscreenBuffer, RedrawsRebuildTheWholeWorkingLayerFromTheBackgroundPaintedOnce) {
  WithControl([](CDialog&, SquareCtrl& control) {
    control.SetSquare(20);
    control.SetSquare(5);  // nothing of the bigger square remains
    const Surface first = control.GetSurface();
    control.SetSquare(5);
    EXPECT_EQ(CountColor(control.GetSurface(), CONTENT), 25);
    for (int y = 0; y < first.Height(); ++y) {
      for (int x = 0; x < first.Width(); ++x) ASSERT_EQ(first.Pixel(x, y), control.GetSurface().Pixel(x, y));
    }
    EXPECT_EQ(control.backgroundPaints, 1);
    control.ForgetBackground();
    control.SetSquare(5);
    EXPECT_EQ(control.backgroundPaints, 2);
  });
}

TEST_F(OffscreenBuffer, APaintMessageRedrawsTheControlCompletely) {
  WithControl([](CDialog&, SquareCtrl& control) {
    control.SetSquare(8);
    CDC* dc = control.GetDC();
    FillSolid(*dc, CRect(0, 0, 35, 36), RGB(255, 0, 0));  // something drew over it
    control.ReleaseDC(dc);
    control.Invalidate();
    control.UpdateWindow();
    EXPECT_EQ(CountColor(control.GetSurface(), RGB(255, 0, 0)), 0);
    EXPECT_EQ(CountColor(control.GetSurface(), CONTENT), 64);
  });
}

TEST_F(OffscreenBuffer, AControlDrawnWhileADialogCoversItNeverShowsThroughAndReappearsAfter) {
  CDialog board(&kTemplate);
  CDialog cover(&kCoverTemplate);
  SquareCtrl* control = nullptr;
  COLORREF covered = 0;
  COLORREF uncovered = 0;
  m_ui.Check([&] {
    control = new SquareCtrl(&board, PLACEHOLDER_ID);
    control->SetSquare(30);
    cover.DoModal();
    uncovered = m_ui.Screenshot().Pixel(210, 26 + 36);
  });
  m_ui.Check([&] {
    control->SetSquare(30);  // drawn while covered
    covered = m_ui.Screenshot().Pixel(210, 26 + 36);
  });
  m_ui.Key(VK_ESCAPE);
  board.DoModal();
  delete control;
  EXPECT_EQ(covered, RGB(0, 153, 51));
  EXPECT_EQ(uncovered, CONTENT);
}

TEST_F(OffscreenBuffer, DestroyingTheControlReleasesItsWindowContext) {
  const int before = LiveWindowDCCount();
  WithControl([before](CDialog&, SquareCtrl&) { EXPECT_EQ(LiveWindowDCCount(), before + 1); });
  EXPECT_EQ(LiveWindowDCCount(), before);
}
}  // namespace
