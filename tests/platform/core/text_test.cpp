#include "platform/core/text.h"

#include <gtest/gtest.h>

TEST(TextConversion, RoundTripsEveryPlane) {
  const CString samples[] = {u"", u"Tumbla", u"Avlomo \u00BB 190", u"\u20AC\u00E9", u"\U0001F3B2"};
  for (const CString& sample : samples) EXPECT_EQ(FromUtf8(ToUtf8(sample)), sample);
  EXPECT_EQ(ToUtf8(u"\u00BB"), "\xC2\xBB");
}

TEST(TextConversion, BrokenInputBecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xFF"
                     "b"),
            u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD");
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}
