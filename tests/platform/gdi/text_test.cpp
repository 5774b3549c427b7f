#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>

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

LOGFONT BoldDescription(const char16_t* family, LONG height) {
  LOGFONT description = Description(family, height);
  description.lfWeight = FW_BOLD;
  return description;
}

// Every face the program creates is in the glyph table, Tahoma where the build found it; any
// other is refused, as a font that is not installed. Beyond Latin-1 there is nothing to draw.
TEST(Fonts, TheGlyphTableHoldsTheProgramsFacesAndNoOthers) {
  for (const LOGFONT& description : {Description(u"Tahoma", 12), Description(u"tahoma", 18),
                                     Description(u"Tahoma", -11), BoldDescription(u"Tahoma", -11)}) {
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&description)) << description.lfHeight;
    EXPECT_EQ(font.Face()->Family(), "Tahoma");
    if (description.lfHeight > 0) {
      EXPECT_EQ(font.Face()->CellHeight(), description.lfHeight);
    }
    EXPECT_GT(font.Face()->GetGlyph(U'\u00e9').advance, 0);
    EXPECT_EQ(font.Face()->GetGlyph(U'\u20ac').advance, 0);
    EXPECT_TRUE(font.Face()->GetGlyph(U'\u20ac').coverage.empty());
  }
  for (const LOGFONT& description :
       {Description(u"No Such Family Anywhere", 12), Description(u"Tahoma", 13), BoldDescription(u"Tahoma", 12)}) {
    CFont font;
    EXPECT_FALSE(font.CreateFontIndirect(&description)) << description.lfHeight;
    EXPECT_EQ(font.Face(), nullptr);
  }
}

// What a child returns after drawing text with no file descriptor to spare: 0 when it drew.
int DrawWithoutFileDescriptors() {
  TestCanvas canvas(60, 20, kWhite);
  {
    // The undefined-behaviour sanitizer checks an object's type through a pipe of its own the
    // first time it meets that type; one face drawn beforehand spares it that check below.
    CFont other;
    const LOGFONT otherDescription = Description(u"Tahoma", 12);
    if (!other.CreateFontIndirect(&otherDescription)) return 1;
    TestCanvas scratch(60, 20, kWhite);
    scratch.Dc().SelectObject(&other);
    RECT rect{0, 0, 60, 20};
    scratch.Dc().DrawText(u"Tumbla", &rect, DT_LEFT);
  }
  rlimit usual{};
  if (getrlimit(RLIMIT_NOFILE, &usual) != 0) return 3;
  // The soft limit only, so that the usual one comes back for the child's way out.
  const rlimit none{0, usual.rlim_max};
  if (setrlimit(RLIMIT_NOFILE, &none) != 0) return 3;
  CFont font;
  const LOGFONT description = Description(u"Tahoma", 18);
  const bool created = font.CreateFontIndirect(&description) != FALSE;
  if (created) {
    canvas.Dc().SelectObject(&font);
    RECT rect{0, 0, 60, 20};
    canvas.Dc().DrawText(u"Tumbla", &rect, DT_LEFT);
  }
  if (setrlimit(RLIMIT_NOFILE, &usual) != 0) return 3;
  if (!created) return 1;
  return canvas.Count(kWhite) < 60 * 20 ? 0 : 2;
}

// No font file is opened at run time (a table of open files too small once stopped the program).
TEST(Fonts, TextNeedsNoFileToBeOpened) {
  EXPECT_EXIT(std::exit(DrawWithoutFileDescriptors()), testing::ExitedWithCode(0), "");
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
