#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "gdi_test_support.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

template <typename Draw>
void WithTools(CDC& dc, int penStyle, COLORREF penColour, COLORREF brushColour, Draw draw) {
  CPen pen(penStyle, 0, penColour);
  CBrush brush(brushColour);
  CBrush* oldBrush = dc.SelectObject(&brush);
  CPen* oldPen = dc.SelectObject(&pen);
  draw();
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

// A pen and brush of the same colour, as the painter draws.
template <typename Draw>
void WithSolid(CDC& dc, COLORREF color, Draw draw) {
  WithTools(dc, PS_SOLID, color, color, draw);
}

TEST(Shapes, RectangleCoversLeftTopAndLeavesRightBottomClippedToTheBitmap) {
  for (const RECT& rect : {RECT{2, 3, 9, 8}, RECT{0, 0, 12, 10}, RECT{-3, 4, 20, 6}}) {
    TestCanvas canvas(12, 10, kWhite);
    WithSolid(canvas.Dc(), kRed, [&] { canvas.Dc().Rectangle(&rect); });
    EXPECT_EQ(canvas.Picture(kRed), RectanglePicture(12, 10, rect)) << rect.left << "," << rect.top;
  }
}

TEST(Shapes, OutlineTakesThePenAndInteriorTheBrushAndANullPenLeavesOutOnePixelRightAndBelow) {
  for (const auto& [style, interior, outline] :
       {std::tuple{PS_SOLID, RECT{2, 2, 6, 5}, 6 * 5 - 4 * 3}, std::tuple{PS_NULL, RECT{1, 1, 6, 5}, 0}}) {
    TestCanvas canvas(8, 7, kWhite);
    WithTools(canvas.Dc(), style, kBlue, kRed, [&] { canvas.Dc().Rectangle(1, 1, 7, 6); });
    EXPECT_EQ(canvas.Picture(kRed), RectanglePicture(8, 7, interior)) << style;
    EXPECT_EQ(canvas.Count(kBlue), outline) << style;
  }
}

TEST(Shapes, EllipseOutlineIsAClosedRingAroundTheBrush) {
  TestCanvas canvas(12, 10, kWhite);
  WithTools(canvas.Dc(), PS_SOLID, kBlue, kRed, [&] { canvas.Dc().Ellipse(0, 0, 12, 10); });
  const std::string ring = canvas.Picture(kBlue);
  TestCanvas solid(12, 10, kWhite);
  WithSolid(solid.Dc(), kBlue, [&] { solid.Dc().Ellipse(0, 0, 12, 10); });
  const std::string disc = solid.Picture(kBlue);
  const std::string interior = canvas.Picture(kRed);
  for (std::size_t i = 0; i < disc.size(); ++i) {
    EXPECT_EQ(disc[i] == '#', ring[i] == '#' || interior[i] == '#') << i;
    EXPECT_FALSE(ring[i] == '#' && interior[i] == '#') << i;
  }
  // One pixel thick where the curve runs straight.
  EXPECT_EQ(canvas.Pixels().Pixel(0, 5), kBlue);
  EXPECT_EQ(canvas.Pixels().Pixel(1, 5), kRed);
  EXPECT_EQ(canvas.Pixels().Pixel(6, 9), kBlue);
  EXPECT_EQ(canvas.Pixels().Pixel(6, 8), kRed);
}

TEST(Shapes, TriangleFillsBetweenItsPointsWithTheOutline) {
  TestCanvas canvas(8, 6, kWhite);
  const POINT points[] = {{1, 1}, {6, 1}, {1, 4}};
  WithSolid(canvas.Dc(), kRed, [&] { canvas.Dc().Polygon(points, 3); });
  const std::string picture = canvas.Picture(kRed);
  EXPECT_EQ(picture.substr(0, 9), "........\n");
  EXPECT_EQ(picture.substr(9, 9), ".######.\n");
  EXPECT_EQ(picture.substr(36, 9), ".#......\n");
  EXPECT_EQ(picture.substr(45, 9), "........\n");
}

// Each line starts where the last one ended, so that four lines make a closed frame. That a
// line leaves out its end point the screens' reference images show.
TEST(Shapes, LinesGoOnFromTheLastPoint) {
  TestCanvas canvas(8, 6, kWhite);
  CPen pen(PS_SOLID, 1, kRed);
  canvas.Dc().SelectObject(&pen);
  canvas.Dc().MoveTo(1, 1);
  for (const POINT point : {POINT{5, 1}, POINT{5, 4}, POINT{1, 4}, POINT{1, 1}}) canvas.Dc().LineTo(point.x, point.y);
  EXPECT_EQ(canvas.Picture(kRed),
            "........\n"
            ".#####..\n"
            ".#...#..\n"
            ".#...#..\n"
            ".#####..\n"
            "........\n");
  EXPECT_EQ(canvas.Dc().MoveTo(0, 0), CPoint(1, 1)) << "the current position is the last point";
}

TEST(Shapes, SetPixelOutsideTheBitmapIsIgnored) {
  TestCanvas canvas(3, 3, kWhite);
  canvas.Dc().SetPixel(1, 2, kRed);
  canvas.Dc().SetPixel(-1, 0, kRed);
  canvas.Dc().SetPixel(3, 3, kRed);
  EXPECT_EQ(canvas.Picture(kRed), RectanglePicture(3, 3, RECT{1, 2, 2, 3}));
}

}  // namespace
