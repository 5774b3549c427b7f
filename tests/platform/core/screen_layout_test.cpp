#include "platform/core/screen_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 320;

TEST(StartScale, TakesTheLargestFactorThatFitsTheUsableAreaButNeverBelowTwo) {
  struct Desktop {
    int width, height, scale;
  };
  const Desktop desktops[] = {
      {1920, 1040, 3},
      {2560, 1400, 4},
      {3840, 2120, 6},
      {800, 2000, 3},  // tall and narrow
      {1920, 3 * kHeight + kWindowFrameAllowance, 3},
      {1920, 3 * kHeight + kWindowFrameAllowance - 1, 2},  // no room left for the title bar
      {640, 480, 2},
      {0, 0, 2},
  };
  for (const Desktop& d : desktops)
    EXPECT_EQ(StartScale(d.width, d.height, kWidth, kHeight), d.scale) << d.width << "x" << d.height;
}

TEST(LayoutForWindow, CentresTheLargestWholeMagnificationOrShowsTheScreenUnscaledFromTheCorner) {
  EXPECT_EQ(LayoutForWindow(480, 640, kWidth, kHeight), (ScreenLayout{2, 0, 0, kWidth, kHeight}));
  EXPECT_EQ(LayoutForWindow(1920, 1080, kWidth, kHeight), (ScreenLayout{3, 600, 60, kWidth, kHeight}));
  EXPECT_EQ(LayoutForWindow(721, 2000, kWidth, kHeight), (ScreenLayout{3, 0, 520, kWidth, kHeight}));
  EXPECT_EQ(LayoutForWindow(481, 959, kWidth, kHeight), (ScreenLayout{2, 0, 159, kWidth, kHeight}));
  EXPECT_EQ(LayoutForWindow(100, 100, kWidth, kHeight), (ScreenLayout{1, 0, 0, kWidth, kHeight}));
}

TEST(WindowToScreen, TheBlackBorderLiesOffTheScreen) {
  const ScreenLayout layout = LayoutForWindow(1920, 1080, kWidth, kHeight);  // 3x at (600, 60)
  EXPECT_EQ(WindowToScreen(layout, 599, 60), (POINT{-1, 0}));
  EXPECT_EQ(WindowToScreen(layout, 600, 59), (POINT{0, -1}));
  EXPECT_EQ(WindowToScreen(layout, 600 + 720, 100), (POINT{240, 13}));
  EXPECT_EQ(WindowToScreen(layout, 0, 0), (POINT{-200, -20}));
  for (POINT off : {POINT{-1, 0}, POINT{0, -1}, POINT{240, 13}, POINT{5, 320}}) EXPECT_FALSE(IsOnScreen(layout, off));
}

TEST(ClampToScreen, PullsPointsToTheNearestEdgePixel) {
  const ScreenLayout layout = LayoutForWindow(480, 640, kWidth, kHeight);
  EXPECT_EQ(ClampToScreen(layout, POINT{-200, -20}), (POINT{0, 0}));
  EXPECT_EQ(ClampToScreen(layout, POINT{240, 400}), (POINT{239, 319}));
  EXPECT_EQ(ClampToScreen(layout, POINT{12, 34}), (POINT{12, 34}));
}

}  // namespace
