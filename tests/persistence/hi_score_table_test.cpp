#include "persistence/hi_score_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/text.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

class HiScoreTableTest : public ::testing::Test {
 protected:
  std::vector<int> Scores() const { return {settings.m_nHiScore, settings.m_nHiScore + kHiScoreCount}; }
  std::vector<CString> Names() const { return {settings.m_strHiName, settings.m_strHiName + kHiScoreCount}; }

  ScopedTempFolder temp;
  MessageBoxRecorder boxes;
  CGameSettings settings;  // the defaults, from a fresh file
};

TEST_F(HiScoreTableTest, OnlyATotalAboveTheTenthQualifies) {
  EXPECT_FALSE(QualifiesForHiScores(settings, 99));
  EXPECT_FALSE(QualifiesForHiScores(settings, 100));
  EXPECT_TRUE(QualifiesForHiScores(settings, 101));

  EXPECT_EQ(InsertHiScore(settings, 100, u"Equal"), -1);
  EXPECT_EQ(Scores(), (std::vector<int>{190, 180, 170, 160, 150, 140, 130, 120, 110, 100}));
  EXPECT_EQ(settings.m_strHiName[9], u"Jorlamee");
}

TEST_F(HiScoreTableTest, EqualTotalsGoBelowEveryEqualEntryInTheOrderEntered) {
  EXPECT_EQ(InsertHiScore(settings, 190, u"Second"), 1);
  EXPECT_EQ(InsertHiScore(settings, 190, u"Third"), 2);
  EXPECT_EQ(InsertHiScore(settings, 125, u"Last"), 9);
  EXPECT_EQ(Names(), (std::vector<CString>{u"Avlomo", u"Second", u"Third", u"Bexin", u"Corvina", u"Dalmo", u"Evrolde",
                                           u"Fennu", u"Gubbo", u"Last"}));
  EXPECT_EQ(Scores(), (std::vector<int>{190, 190, 190, 180, 170, 160, 150, 140, 130, 125}));
}

TEST_F(HiScoreTableTest, AnUnsortedTableStillTakesOnlyTotalsAboveItsTenthEntry) {
  settings.m_nHiScore[3] = 10;  // hand-edited: the table is not re-sorted on loading
  EXPECT_EQ(InsertHiScore(settings, 50, u"Low"), -1);
  EXPECT_EQ(settings.m_nHiScore[3], 10);
  EXPECT_EQ(InsertHiScore(settings, 105, u"In"), 3);
}

TEST_F(HiScoreTableTest, StorableNamesComeBackFromTheFileAsTheyWere) {
  const std::vector<CString> storable = {u"",
                                         u" spaced  out ",
                                         u"O'Neil-Smith 2nd",
                                         u"Zo\u00EB \u00C5ngstr\u00F6m \u00FF",
                                         u"a;b:c!?\"#$%&()*+./=@[\\]^_`{|}~",
                                         u"12345678901234567890"};
  for (const CString& name : storable) {
    EXPECT_TRUE(IsStorableName(name)) << ToUtf8(name);
    settings.m_strHiName[4] = name;
    settings.Save();
    CGameSettings reloaded;
    EXPECT_EQ(reloaded.m_strHiName[4], name) << ToUtf8(name);
    EXPECT_EQ(reloaded.m_nHiScore[5], 140);
  }
}

TEST_F(HiScoreTableTest, NamesTheFileWouldChangeAreNotStorable) {
  // Each of these comes back different, or disturbs another entry, after a save and a load.
  const std::vector<CString> unstorable = {u"Smith, John", u"<HISC5>999", u"a<b",       u"a>b",
                                           u"line\nfeed",  u"car\rriage", u"tab\there", u"\u0100bc",
                                           u"\u20AC",      u"\u0085",     u"\u007F",    CString(1, u'\0')};
  for (const CString& name : unstorable) EXPECT_FALSE(IsStorableName(name)) << ToUtf8(name);

  settings.m_strHiName[4] = u"<HISC5>999";
  settings.Save();
  CGameSettings reloaded;
  EXPECT_EQ(reloaded.m_nHiScore[5], 999) << "the tag inside the name is found first";
}
}  // namespace
