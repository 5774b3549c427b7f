#include <gtest/gtest.h>

#include "gdi_test_support.h"
#include "platform/gdi/font_face.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

LOGFONT Description(const char16_t* family, LONG height, LONG escapement = 0) {
  LOGFONT description{};
  description.lfHeight = height;
  description.lfEscapement = escapement;
  description.lfWeight = FW_NORMAL;
  description.lfPitchAndFamily = 0x12;
  std::char_traits<char16_t>::copy(description.lfFaceName, family, std::char_traits<char16_t>::length(family));
  return description;
}

std::shared_ptr<const FontFace> OpenFace(const char* family, int height) {
  return FontFace::Open(FontRequest{family, height, false});
}

// Any family not installed, Tahoma too, gets the fallback face; with no font at all
// nothing can be opened and the reason is a plain line, without a path.
TEST(Fonts, AFamilyNotInstalledGetsTheFallbackFaceAndWithoutAnyFontTheReasonIsTold) {
  CFont unknown;
  const LOGFONT unknownDescription = Description(u"No Such Family Anywhere", 12);
  ASSERT_TRUE(unknown.CreateFontIndirect(&unknownDescription));
  EXPECT_EQ(unknown.Face()->Family(), "Liberation Sans");
  EXPECT_EQ(MissingFontsReason(), std::nullopt);

  SetApplicationFontFolder(std::nullopt);
  const auto tahoma = OpenFace("Tahoma", 12);
  const auto helvetica = OpenFace("Helvetica", 12);
  const std::optional<std::string> withFallbackOnly = MissingFontsReason();
  SetSystemFontFolders({});
  const auto nothing = OpenFace("Tahoma", 12);
  const std::optional<std::string> withoutAnyFont = MissingFontsReason();
  SetApplicationFontFolder(kDefaultApplicationFontFolder);
  SetSystemFontFolders({std::begin(kDefaultSystemFontFolders), std::end(kDefaultSystemFontFolders)});

  ASSERT_NE(tahoma, nullptr);
  EXPECT_EQ(tahoma->Family(), "Liberation Sans");
  EXPECT_EQ(tahoma->CellHeight(), 12);
  ASSERT_NE(helvetica, nullptr);
  EXPECT_EQ(helvetica->Family(), "Liberation Sans");
  EXPECT_EQ(withFallbackOnly, std::nullopt);
  EXPECT_EQ(nothing, nullptr);
  ASSERT_TRUE(withoutAnyFont.has_value());
  EXPECT_NE(withoutAnyFont->find("Tahoma"), std::string::npos);
  EXPECT_EQ(withoutAnyFont->find('/'), std::string::npos);
  EXPECT_EQ(withoutAnyFont->find('\n'), std::string::npos);
}

// A canvas with an 18-pixel Tahoma selected, red text on blue.
class TextCanvas : public TestCanvas {
 public:
  TextCanvas(int width, int height, LONG escapement = 0) : TestCanvas(width, height, kWhite) {
    const LOGFONT description = Description(u"Tahoma", 18, escapement);
    EXPECT_TRUE(m_font.CreateFontIndirect(&description));
    Dc().SelectObject(&m_font);
    Dc().SetTextColor(kRed);
    Dc().SetBkColor(kBlue);
  }

  int TextWidth(const CString& text) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentExPointW(&Dc(), text, 0, nullptr, nullptr, &size));
    EXPECT_EQ(size.cy, 18);
    return size.cx;
  }

  // The smallest rectangle holding every pixel that is no longer white.
  CRect Touched() const { return ::Touched(Pixels(), kWhite); }

 private:
  CFont m_font;
};

TEST(Text, WordBreakAndCalcRectMeasureWrappedLines) {
  TextCanvas canvas(10, 10);
  const int wordWidth = canvas.TextWidth(u"Hi Scores");
  RECT rect{0, 0, wordWidth + 2, 0};
  EXPECT_EQ(canvas.Dc().DrawText(u"Hi Scores Hi Scores", &rect, DT_WORDBREAK | DT_CALCRECT), 36);
  EXPECT_EQ(rect.right, wordWidth);
  EXPECT_EQ(rect.bottom, 36);
  EXPECT_EQ(canvas.Count(kWhite), 100);
}

TEST(Text, TurnedTextRunsUpwardsFromItsReferencePoint) {
  TextCanvas canvas(40, 60, 900);
  const int width = canvas.TextWidth(u"Rolls");
  RECT rect{10, 50, 30, 50};
  canvas.Dc().DrawText(u"Rolls", &rect, DT_LEFT | DT_NOCLIP);
  EXPECT_EQ(canvas.Touched(), CRect(10, 50 - width, 28, 50));
}

TEST(Text, ExtentReportsFitAndPartialWidths) {
  TextCanvas canvas(10, 10);
  int fit = 0;
  int partial[3] = {};
  SIZE size{};
  const int one = canvas.TextWidth(u"1");
  ASSERT_TRUE(GetTextExtentExPointW(&canvas.Dc(), u"111", 2 * one, &fit, partial, &size));
  EXPECT_EQ(fit, 2);
  EXPECT_EQ(partial[0], one);
  EXPECT_EQ(partial[2], 3 * one);
  EXPECT_EQ(size.cx, 3 * one);
}

}  // namespace
