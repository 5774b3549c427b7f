#include "platform/sdl/scaled_copy.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 320;
constexpr PixelFormat32 kXrgb{16, 8, 0, 0};
constexpr PixelFormat32 kAbgr{0, 8, 16, 0xFF000000};
constexpr std::uint32_t kUntouched = 0x12345678;

// A frame whose every pixel differs from its neighbours, so that a misplaced copy shows.
std::vector<COLORREF> Pattern() {
  std::vector<COLORREF> pixels(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) pixels[static_cast<std::size_t>(y * kWidth + x)] = RGB(x, y % 256, (x + y) % 256);
  }
  return pixels;
}

struct Window {
  int width;
  int height;
  std::vector<std::uint32_t> pixels;
  Window(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), kUntouched) {}
  WindowPixels View() { return WindowPixels{pixels.data(), width, width, height}; }
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

std::uint32_t Xrgb(COLORREF c) {
  return static_cast<std::uint32_t>(GetRValue(c)) << 16 | static_cast<std::uint32_t>(GetGValue(c)) << 8 |
         static_cast<std::uint32_t>(GetBValue(c));
}

TEST(CopyScaled, EveryWindowPixelShowsTheScreenPixelOfItsBlock) {
  const std::vector<COLORREF> frame = Pattern();
  for (const auto& [w, h] : {std::pair{240, 320}, {480, 640}, {1000, 700}, {1920, 1080}}) {
    Window window(w, h);
    const ScreenLayout layout = LayoutForWindow(w, h, kWidth, kHeight);
    CopyScaled(FrameView{kWidth, kHeight, frame.data()}, RECT{0, 0, kWidth, kHeight}, layout, kXrgb, window.View());
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const POINT screen = WindowToScreen(layout, x, y);
        const std::uint32_t expected = IsOnScreen(layout, screen)
                                           ? Xrgb(frame[static_cast<std::size_t>(screen.y * kWidth + screen.x)])
                                           : kUntouched;
        ASSERT_EQ(window.At(x, y), expected) << w << "x" << h << " at " << x << "," << y;
      }
    }
  }
}

TEST(CopyScaled, PlacesTheChannelsWhereTheWindowFormatWantsThem) {
  const std::vector<COLORREF> frame(kWidth * kHeight, RGB(0x11, 0x22, 0x33));
  Window window(kWidth, kHeight);
  CopyScaled(FrameView{kWidth, kHeight, frame.data()}, RECT{0, 0, 1, 1},
             LayoutForWindow(kWidth, kHeight, kWidth, kHeight), kAbgr, window.View());
  EXPECT_EQ(window.At(0, 0), 0xFF332211u);
}

TEST(CopyScaled, TouchesOnlyTheRegionGiven) {
  const std::vector<COLORREF> frame = Pattern();
  Window window(720, 960);
  const ScreenLayout layout = LayoutForWindow(720, 960, kWidth, kHeight);
  const RECT region{10, 20, 12, 23};
  CopyScaled(FrameView{kWidth, kHeight, frame.data()}, region, layout, kXrgb, window.View());
  int written = 0;
  for (std::uint32_t pixel : window.pixels) written += pixel != kUntouched;
  EXPECT_EQ(written, 2 * 3 * 9);
  EXPECT_EQ(window.At(30, 60), Xrgb(frame[20 * kWidth + 10]));
  EXPECT_EQ(window.At(35, 68), Xrgb(frame[22 * kWidth + 11]));
  EXPECT_EQ(WindowRegion(layout, region, 720, 960), (RECT{30, 60, 36, 69}));
}

TEST(CopyScaled, StopsAtTheEdgesOfAWindowSmallerThanTheScreen) {
  const std::vector<COLORREF> frame = Pattern();
  Window window(100, 50);
  const ScreenLayout layout = LayoutForWindow(100, 50, kWidth, kHeight);
  CopyScaled(FrameView{kWidth, kHeight, frame.data()}, RECT{0, 0, kWidth, kHeight}, layout, kXrgb, window.View());
  EXPECT_EQ(window.At(99, 49), Xrgb(frame[49 * kWidth + 99]));
  EXPECT_EQ(WindowRegion(layout, RECT{0, 0, kWidth, kHeight}, 100, 50), (RECT{0, 0, 100, 50}));
}

}  // namespace
