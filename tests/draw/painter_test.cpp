#include "draw/painter.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gdi_test_support.h"
#include "resources/program_resources.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 153, 51);
constexpr COLORREF kDark = RGB(0, 102, 51);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class PainterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallProgramResources(); }
  CPainter& Painter() {
    static CPainter painter;
    return painter;
  }
  // A layer of the given size in the board's green, made the painter's target.
  TestCanvas& Layer(int width, int height) {
    m_layers.push_back(std::make_unique<TestCanvas>(width, height, kGreen));
    Painter().SetTarget(&m_layers.back()->Dc());
    return *m_layers.back();
  }

 private:
  std::vector<std::unique_ptr<TestCanvas>> m_layers;
};

TEST_F(PainterTest, AlignmentOutsideTheRangeCentres) {
  const CRect rect(0, 0, 40, 20);
  TestCanvas& centred = Layer(40, 20);
  Painter().DrawTextLarge(u"25", rect, kWhite, kGreen, 1);
  const std::string expected = centred.Picture(kWhite);
  for (int alignment : {3, -1}) {
    TestCanvas& layer = Layer(40, 20);
    Painter().DrawTextLarge(u"25", rect, kWhite, kGreen, alignment);
    EXPECT_EQ(layer.Picture(kWhite), expected) << alignment;
  }
  TestCanvas& right = Layer(40, 20);
  Painter().DrawTextLarge(u"25", rect, kWhite, kDark, 2);
  EXPECT_NE(right.Pixels().Pixel(39, 0), kGreen);
}

TEST_F(PainterTest, ClippedTextStillReportsItsWholeWidth) {
  TestCanvas& wide = Layer(200, 20);
  const int full = Painter().DrawTextLarge(u"Hi Scores", CRect(0, 0, 200, 20), kWhite, kGreen, 0);
  TestCanvas& narrow = Layer(200, 20);
  EXPECT_EQ(Painter().DrawTextLarge(u"Hi Scores", CRect(0, 0, 10, 20), kWhite, kDark, 0), full);
  EXPECT_GT(full, 10);
  EXPECT_EQ(narrow.Count(kGreen), 200 * 20 - 10 * 18);
  EXPECT_GT(wide.Count(kWhite), 0);
  EXPECT_GT(Painter().DrawTextSmall(u"Hi Scores", CRect(0, 0, 10, 20), kWhite, kDark, 0), 0);
  EXPECT_LT(Painter().DrawTextSmall(u"Hi Scores", CRect(0, 0, 10, 20), kWhite, kDark, 0), full);
}

TEST_F(PainterTest, EveryPrimitiveLeavesTheTargetAsItFoundIt) {
  TestCanvas& layer = Layer(40, 40);
  CDC& dc = layer.Dc();
  CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
  CBrush brush(RGB(4, 5, 6));
  CFont font;
  LOGFONT description{};
  description.lfHeight = 12;
  std::char_traits<char16_t>::copy(description.lfFaceName, u"Tahoma", 6);
  ASSERT_TRUE(font.CreateFontIndirect(&description));
  dc.SelectObject(&pen);
  dc.SelectObject(&brush);
  dc.SelectObject(&font);
  dc.SetTextColor(RGB(7, 8, 9));
  dc.SetBkColor(RGB(10, 11, 12));
  const CRect rect(2, 2, 30, 30);
  const std::vector<std::function<void()>> primitives = {
      [&] { Painter().FillRect(1, 1, 5, 5, kWhite); },
      [&] { Painter().FillRoundRect(rect, 10, kWhite); },
      [&] { Painter().FillRoundRectFramed(rect, 10, 2, kWhite, kDark); },
      [&] { Painter().FillEllipse(1, 1, 9, 9, kWhite); },
      [&] { Painter().FillTriangle(1, 1, 20, 1, 1, 20, kWhite); },
      [&] { Painter().DrawLine(1, 1, 20, 9, kWhite); },
      [&] { Painter().FrameRect(1, 1, 9, 9, kWhite); },
      [&] { Painter().DrawIcon(0, 0, 129); },
      [&] { Painter().DrawTextLarge(u"12", rect, kWhite, kDark, 1); },
      [&] { Painter().DrawTextSmall(u"12", rect, kWhite, kDark, 0); },
      [&] { Painter().DrawTextVertical(u"12", rect, kWhite, kDark); },
  };
  for (std::size_t i = 0; i < primitives.size(); ++i) {
    primitives[i]();
    EXPECT_EQ(dc.GetCurrentPen(), &pen) << i;
    EXPECT_EQ(dc.GetCurrentBrush(), &brush) << i;
    EXPECT_EQ(dc.GetCurrentFont(), &font) << i;
    EXPECT_EQ(dc.GetTextColor(), RGB(7, 8, 9)) << i;
    EXPECT_EQ(dc.GetBkColor(), RGB(10, 11, 12)) << i;
    EXPECT_EQ(dc.GetBkMode(), OPAQUE) << i;
  }
}

}  // namespace
