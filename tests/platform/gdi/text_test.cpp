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

TEST(Fonts, TahomaCellHeightsMapToTheHandheldsSizes) {
  struct Size {
    int requested, pixelsPerEm, ascent, descent;
  };
  // A negative height asks for the character height itself.
  for (const Size& size : {Size{12, 10, 10, 2}, Size{18, 15, 15, 3}, Size{-11, 11, 11, 2}}) {
    const auto face = OpenFace("Tahoma", size.requested);
    ASSERT_NE(face, nullptr) << size.requested;
    EXPECT_EQ(face->Family(), "Tahoma");
    EXPECT_EQ(face->PixelsPerEm(), size.pixelsPerEm) << size.requested;
    EXPECT_EQ(face->Ascent(), size.ascent) << size.requested;
    EXPECT_EQ(face->Descent(), size.descent) << size.requested;
  }
}

TEST(Fonts, SmallTahomaUsesItsCrispBitmaps) {
  const auto face = OpenFace("Tahoma", 12);
  ASSERT_NE(face, nullptr);
  const Glyph& one = face->GetGlyph(U'1');
  ASSERT_GT(one.coverage.size(), 0u);
  for (std::uint8_t value : one.coverage) EXPECT_TRUE(value == 0 || value == 255);
}

TEST(Fonts, UnknownFamilyFails) {
  CFont font;
  const LOGFONT description = Description(u"No Such Family Anywhere", 12);
  EXPECT_FALSE(font.CreateFontIndirect(&description));
  EXPECT_FALSE(font.IsCreated());
  EXPECT_EQ(font.Face(), nullptr);
}

TEST(Fonts, WithoutTheApplicationFolderTahomaFailsAndHelveticaFindsAnAlias) {
  SetApplicationFontFolder(std::nullopt);
  CFont tahoma;
  CFont helvetica;
  const LOGFONT tahomaDescription = Description(u"Tahoma", 12);
  const LOGFONT helveticaDescription = Description(u"Helvetica", 12);
  const bool tahomaFound = tahoma.CreateFontIndirect(&tahomaDescription);
  const bool helveticaFound = helvetica.CreateFontIndirect(&helveticaDescription);
  SetApplicationFontFolder(kDefaultApplicationFontFolder);
  EXPECT_FALSE(tahomaFound);
  ASSERT_TRUE(helveticaFound);
  EXPECT_EQ(helvetica.Face()->Family(), "Liberation Sans");
  EXPECT_EQ(helvetica.Face()->CellHeight(), 12);
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
