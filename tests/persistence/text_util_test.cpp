#include "persistence/text_util.h"

#include <cstdlib>
#include <utility>

#include <gtest/gtest.h>

#include "platform/core/resources.h"
#include "platform/core/text.h"
#include "support/message_box_recorder.h"

namespace {

// The settings record reads its file before any dynamic initialisation has reached
// theTextUtil; this only compiles while the toolbox is ready without a constructor run.
constinit CTextUtil quietBeforeStartUp(false);

const CTextUtil quiet(false);
const CTextUtil reporting(true);

int TagInt(std::u16string_view text, std::u16string_view tag, int nDefault = 0) {
  int nValue = -12345;
  quiet.GetTagInt(text, tag, nValue, nDefault);
  return nValue;
}

TEST(TagReader, ReadsTheValueAfterTheTagOrGivesTheDefaultSilently) {
  MessageBoxRecorder boxes;
  int nValue = 0;
  EXPECT_TRUE(quietBeforeStartUp.GetTagInt(u"<AUDIO>0\n<SPEED>1\n", u"<SPEED>", nValue, 7));
  EXPECT_EQ(nValue, 1);
  EXPECT_EQ(quiet.GetTagString(u"<HINA0>Avlomo\n", u"<HINA0>"), u"Avlomo");
  EXPECT_FALSE(quiet.GetTagInt(u"<AUDIO>1\n", u"<SPEED>", nValue, 7));
  EXPECT_EQ(nValue, 7);
  EXPECT_EQ(quiet.GetTagString(u"<AUDIO>1\n", u"<HINA0>"), u"");
  EXPECT_TRUE(boxes.Requests().empty());
}

TEST(TagReader, NumbersAreReadLikeTheCLibrary) {
  EXPECT_EQ(TagInt(u"<N>  12abc\n", u"<N>"), 12);
  EXPECT_EQ(TagInt(u"<N>\n", u"<N>", 5), 0);
  EXPECT_EQ(TagInt(u"<N>-7\n", u"<N>"), -7);
  EXPECT_EQ(TagInt(u"<N>+8\n", u"<N>"), 8);
  EXPECT_EQ(TagInt(u"<N>x9\n", u"<N>"), 0);
  EXPECT_EQ(TagInt(u"<N>99999999999\n", u"<N>"), 2147483647);
  EXPECT_EQ(TagInt(u"<N>-99999999999\n", u"<N>"), -2147483647 - 1);
}

TEST(TagReader, ValueEndsAtCommaOrLineFeedAndIsEmptyWithoutEither) {
  EXPECT_EQ(quiet.GetTagString(u"<HINA1>Al, B\n", u"<HINA1>"), u"Al");
  EXPECT_EQ(quiet.GetTagString(u"<HINA1>Bexin\r\n", u"<HINA1>"), u"Bexin\r");
  EXPECT_EQ(quiet.GetTagString(u"<HINA1>Bexin", u"<HINA1>"), u"");
  int nValue = 3;
  EXPECT_TRUE(quiet.GetTagInt(u"<AUDIO>1", u"<AUDIO>", nValue, 3));
  EXPECT_EQ(nValue, 0);
}

TEST(TagReader, MatchesExactlyAndTakesTheFirstOccurrence) {
  EXPECT_EQ(TagInt(u"<AUDIO>1\n", u"<audio>", 4), 4);
  EXPECT_EQ(TagInt(u"<AUDIO>1\n<AUDIO>0\n", u"<AUDIO>"), 1);
  EXPECT_EQ(TagInt(u"junk<SPEED>3,<AUDIO>2\n", u"<AUDIO>"), 2);
  // A string up to an end marker keeps commas and line feeds.
  EXPECT_EQ(quiet.GetTagStringUntil(u"<A>x,y\nz</A>", u"<A>", u"</A>"), u"x,y\nz");
  EXPECT_EQ(quiet.GetTagStringUntil(u"<A>x", u"<A>", u"</A>"), u"");
}

TEST(TagReader, ReportsMissingTagsWhenAskedTo) {
  MessageBoxRecorder boxes;
  int nValue = 0;
  reporting.GetTagInt(u"<AUDIO>1\n", u"<COLOR>", nValue, 0);
  reporting.ReportMissingTag(u"");
  reporting.GetTagStringUntil(u"<A>x", u"<A>", u"</A>");
  ASSERT_EQ(boxes.Requests().size(), 3u);
  EXPECT_EQ(boxes.Requests()[0].text, u"Parsing problem:\n\n'<COLOR>' Not Found");
  EXPECT_EQ(boxes.Requests()[0].type, MB_OK | MB_ICONINFORMATION);
  EXPECT_EQ(boxes.Requests()[1].text, u"Parsing problem:\n\nUnknown");
  EXPECT_EQ(boxes.Requests()[2].text, u"Parsing problem:\n\n'</A>' Not Found");
}

TEST(NumberText, IntegersAndHexadecimalBothWays) {
  for (const auto& [value, text] :
       {std::pair{0, u"0"}, {-5, u"-5"}, {190, u"190"}, {-2147483647 - 1, u"-2147483648"}}) {
    EXPECT_EQ(CTextUtil::IntToText(value), text);
  }
  EXPECT_EQ(CTextUtil::Hex64ToText(255), u"00000000000000FF");
  EXPECT_EQ(CTextUtil::HexToInt64(CTextUtil::Hex64ToText(0x1A2B3C4D5E6F7081ull)), 0x1A2B3C4D5E6F7081ull);
  EXPECT_EQ(CTextUtil::HexToInt64(u"12ff"), 0x12u) << "upper-case digits only";
  EXPECT_EQ(CTextUtil::HexToInt64(u"1111111111111111F"), 0x1111111111111111ull) << "sixteen digits at most";
  std::uint64_t nValue = 0;
  EXPECT_TRUE(quiet.GetTagHex64(u"<ID>00000000000000FF\n", u"<ID>", nValue, 1));
  EXPECT_EQ(nValue, 255u);
  EXPECT_FALSE(quiet.GetTagHex64(u"", u"<ID>", nValue, 9));
  EXPECT_EQ(nValue, 9u);
}

TEST(NumberText, DoublesAndScaledValues) {
  EXPECT_EQ(CTextUtil::DoubleToText(-2), u"-2.0000");
  EXPECT_DOUBLE_EQ(CTextUtil::TextToDouble(u"  2.5e3xyz"), 2500.0);
  EXPECT_DOUBLE_EQ(CTextUtil::TextToDouble(u"\u0131.5"), 1.5);  // U+0131 narrows to "1"
  const std::pair<double, const char16_t*> scaled[] = {{999, u"999"},    {0.5, u"0.5"}, {1234, u"1.23K"},
                                                       {5.6e6, u"5.6M"}, {7e9, u"7G"},  {1.5e12, u"1.5T"},
                                                       {2e15, u"2E+15"}};
  for (const auto& [value, text] : scaled) EXPECT_EQ(CTextUtil::FormatScaled(value), text) << value;
}

TEST(DateText, UnitedKingdomDatesAndWhatIsNoDate) {
  const std::pair<const char16_t*, const char16_t*> dates[] = {{u"05/12/2003", u"5-12-2003"},
                                                               {u"5 December 03", u"5-12-2003"},
                                                               {u"29 feb 1996", u"29-2-1996"},
                                                               {u"1/1/45", u"1-1-1945"}};
  for (const auto& [text, shown] : dates) {
    const DateTime date = CTextUtil::ParseDateUK(text);
    EXPECT_TRUE(date.m_bValid) << ToUtf8(text);
    EXPECT_EQ(CTextUtil::FormatDate(date), shown);
  }
  for (const char16_t* text : {u"31/4/2003", u"29/2/1900", u"12/13/2003", u"5 Smarch 2003", u"5/12", u""}) {
    EXPECT_FALSE(CTextUtil::ParseDateUK(text).m_bValid) << ToUtf8(text);
  }
  EXPECT_EQ(CTextUtil::FormatTime({0, 0, 0, 9, 5, 3, true}), u"9:05:03");
}

TEST(DateText, LocalDatesFollowTheUsersLocale) {
  const char* saved = std::getenv("LC_ALL");
  const std::string previous = saved ? saved : "";
  setenv("LC_ALL", "C", 1);  // month, day, year
  EXPECT_TRUE(CTextUtil::ParseDateLocal(u"12/5/2003").m_bValid);
  EXPECT_EQ(CTextUtil::FormatDate(CTextUtil::ParseDateLocal(u"12/5/2003")), u"5-12-2003");
  EXPECT_EQ(CTextUtil::FormatDateTimeLocal({2003, 12, 5, 14, 3, 7, true}), u"12/05/03 14:03:07");
  EXPECT_EQ(CTextUtil::FormatDateTimeLocal({}), u"");
  saved ? setenv("LC_ALL", previous.c_str(), 1) : unsetenv("LC_ALL");
}

TEST(ResourceStrings, FromTheTableOrAMarker) {
  static constexpr StringResourceEntry kStrings[] = {{32773, u"Menu"}};
  SetStringTable(kStrings);
  EXPECT_EQ(CTextUtil::LoadResString(32773), u"Menu");
  EXPECT_EQ(CTextUtil::LoadResString(4), u"STR4?");

  char16_t buffer[5];
  EXPECT_TRUE(CTextUtil::LoadResString(32773, buffer, 5));
  EXPECT_EQ(std::u16string_view(buffer), u"Menu");
  // A buffer that is too small gets what fits, terminated, instead of an overrun.
  char16_t small[3] = {u'x', u'x', u'x'};
  EXPECT_FALSE(CTextUtil::LoadResString(32773, small, 3));
  EXPECT_EQ(std::u16string_view(small), u"Me");
  SetStringTable({});
}

}  // namespace
