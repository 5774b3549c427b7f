// Drawing icons through their masks and loading resources by id. How the files decode is
// with the decoder's tests; PNG files with the reference images' tests.
#include <gtest/gtest.h>

#include "gdi_test_support.h"
#include "resources/program_resources.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 153, 51);

void ExpectIconDrawnAt(const TestCanvas& canvas, const Icon& icon, int left, int top) {
  const Surface& pixels = canvas.Pixels();
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) {
      ASSERT_EQ(pixels.Pixel(x, y), SeenThroughIcon(icon, x - left, y - top, kGreen)) << x << "," << y;
    }
  }
}

TEST(Icons, DrawingThroughTheMaskLeavesWhatLiesBeneathAndStopsAtTheEdges) {
  InstallProgramResources();
  HICON icon = LoadIconW(129);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconW(129), icon) << "loaded once";
  EXPECT_EQ(LoadIconW(9999), nullptr);
  TestCanvas canvas(40, 40, kGreen);
  EXPECT_TRUE(DrawIconEx(&canvas.Dc(), 5, 3, icon, 0, 0, 0, nullptr, DI_NORMAL));
  ExpectIconDrawnAt(canvas, *icon, 5, 3);
  for (const POINT at : {POINT{-30, 5}, POINT{4, -29}, POINT{8, 9}}) {
    TestCanvas edge(10, 10, kGreen);
    EXPECT_TRUE(DrawIconEx(&edge.Dc(), at.x, at.y, icon, 0, 0, 0, nullptr, DI_NORMAL));
    ExpectIconDrawnAt(edge, *icon, at.x, at.y);
  }
}

TEST(Bitmaps, AnIdWithoutABitmapLoadsNothing) {
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(9999));
}

}  // namespace
