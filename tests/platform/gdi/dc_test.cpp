#include <gtest/gtest.h>

#include "gdi_test_support.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

TEST(DeviceContext, SelectionReturnsWhatWasSelectedBefore) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CPen pen(PS_SOLID, 1, kRed);
  CBrush brush(kRed);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, 4, 4);
  CPen* stockPen = dc.SelectObject(&pen);
  CBrush* stockBrush = dc.SelectObject(&brush);
  CBitmap* stockBitmap = dc.SelectObject(&bitmap);
  ASSERT_NE(stockPen, nullptr);
  ASSERT_NE(stockBrush, nullptr);
  ASSERT_NE(stockBitmap, nullptr);
  EXPECT_EQ(dc.GetCurrentPen(), &pen);
  EXPECT_EQ(dc.SelectObject(stockPen), &pen);
  EXPECT_EQ(dc.SelectObject(stockBrush), &brush);
  EXPECT_EQ(dc.SelectObject(stockBitmap), &bitmap);
  EXPECT_EQ(stockPen->Color(), RGB(0, 0, 0));
  EXPECT_EQ(stockBrush->Color(), kWhite);
}

TEST(DeviceContext, RestoreDcBringsBackSelectionsColoursAndTakesOutTheBitmap) {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap* stockBitmap = dc.GetCurrentBitmap();
  const int first = dc.SaveDC();
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, 2, 2);
  dc.SelectObject(&bitmap);
  CPen pen(PS_SOLID, 1, kRed);
  dc.SelectObject(&pen);
  dc.SetTextColor(kRed);
  const int second = dc.SaveDC();
  dc.SetTextColor(kGreen);
  EXPECT_EQ(second, first + 1);
  EXPECT_TRUE(dc.RestoreDC(-1));
  EXPECT_EQ(dc.GetTextColor(), kRed);
  EXPECT_TRUE(dc.RestoreDC(first));
  EXPECT_EQ(dc.GetCurrentBitmap(), stockBitmap);
  EXPECT_NE(dc.GetCurrentPen(), &pen);
  EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
  EXPECT_FALSE(dc.RestoreDC(first));
}

TEST(DeviceContext, BitBltCopiesABlockClippedToBothBitmaps) {
  TestCanvas source(4, 3, kRed);
  TestCanvas target(6, 6, kWhite);
  EXPECT_TRUE(target.Dc().BitBlt(4, 1, 4, 3, &source.Dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(target.Picture(kRed), RectanglePicture(6, 6, RECT{4, 1, 6, 4}));
  TestCanvas other(6, 6, kWhite);
  EXPECT_TRUE(other.Dc().BitBlt(0, 0, 6, 6, &source.Dc(), 2, 1, SRCCOPY));
  EXPECT_EQ(other.Picture(kRed), RectanglePicture(6, 6, RECT{0, 0, 2, 2}));
}

TEST(DeviceContext, BitBltWithinOneBitmapMovesTheBlockIntact) {
  TestCanvas canvas(4, 6, kWhite);
  for (int y = 0; y < 4; ++y) canvas.Dc().SetPixel(1, y, RGB(y, 0, 0));
  canvas.Dc().BitBlt(1, 2, 1, 4, &canvas.Dc(), 1, 0, SRCCOPY);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(canvas.Pixels().Pixel(1, y + 2), RGB(y, 0, 0));
}

TEST(DeviceContext, WindowContextDrawsAtItsOriginAndOnlyInsideItsClip) {
  Surface screen(10, 8, kWhite);
  CDC dc;
  dc.AttachSurface(&screen, POINT{3, 2}, RECT{3, 2, 7, 6});
  EXPECT_EQ(dc.GetTargetSurface(), &screen);
  const std::uint64_t changes = screen.ChangeCount();
  CBrush brush(kRed);
  CPen pen(PS_SOLID, 0, kRed);
  dc.SelectObject(&brush);
  dc.SelectObject(&pen);
  dc.Rectangle(-5, -5, 20, 20);
  EXPECT_GT(screen.ChangeCount(), changes);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool inside = x >= 3 && x < 7 && y >= 2 && y < 6;
      EXPECT_EQ(screen.Pixel(x, y), inside ? kRed : kWhite) << x << "," << y;
    }
  }
  TestCanvas layer(2, 2, kGreen);
  dc.BitBlt(0, 0, 2, 2, &layer.Dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(screen.Pixel(3, 2), kGreen);
  EXPECT_EQ(screen.Pixel(4, 3), kGreen);
  EXPECT_EQ(screen.Pixel(5, 4), kRed);
}

TEST(DeviceContext, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(2048, 12, 2472), 10);
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(7, 3, -2), -11);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
  EXPECT_EQ(MulDiv(1 << 30, 8, 16), 1 << 29);
}

}  // namespace
