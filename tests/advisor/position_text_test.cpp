#include "advisor/position_text.h"

#include <gtest/gtest.h>

#include "../coach/solved_table.h"

namespace {

using enum Category;

std::string Answer(std::string_view line, bool bAll = false) {
  const ReadLine read = ReadPositionLine(line);
  if (!read.error.empty()) return "error: " + read.error;
  return AnswerLine(RankChoices(SolvedTable(), read.position), bAll);
}

TEST(ReadPositionLine, CardRollAndDice) {
  const ReadLine read = ReadPositionLine("card=Ones:3,Chance:22,TUMBLA:50,Bonus:100 roll=2 dice=52163");
  ASSERT_EQ(read.error, "");
  EXPECT_EQ(read.position.points, 175);
  EXPECT_TRUE(read.position.card.tumblaHolds50);
  EXPECT_EQ(read.position.card.filled,
            OnlyOpen({Twos, Threes, Fours, Fives, Sixes, ThreeKind, House, FourKind, FourRow, FiveRow}).filled);
  EXPECT_EQ(read.position.rollsMade, 2);
  EXPECT_EQ(read.position.dice, (DiceValues{5, 2, 1, 6, 3}));

  // Fields in any order, TUMBLA with 0 and no extra.
  const ReadLine other = ReadPositionLine("roll=0 card=TUMBLA:0,Bonus:0");
  ASSERT_EQ(other.error, "");
  EXPECT_FALSE(other.position.card.tumblaHolds50);
  EXPECT_EQ(other.position.points, 0);
}

TEST(ReadPositionLine, SaysWhatIsWrong) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"card=Aces:3 roll=0", "unknown label 'Aces'"},
      {"card=Chance:3 roll=0", "Chance cannot hold 3"},
      {"card=House:20 roll=0", "House cannot hold 20"},
      {"card=Ones:3,Ones:2 roll=0", "Ones named twice"},
      {"card=Ones:3,Bonus:100 roll=0", "Bonus without TUMBLA:50"},
      {"card=TUMBLA:0,Bonus:100 roll=0", "Bonus without TUMBLA:50"},
      {"card=TUMBLA:50,Bonus:150 roll=0", "Bonus cannot hold 150"},
      {"card=Ones roll=0", "'Ones' is not Label:score"},
      {"card=Ones:x roll=0", "'Ones:x' has no score"},
      {"card=- roll=1 dice=1234", "dice must be five digits from 1 to 6, not '1234'"},
      {"card=- roll=1 dice=12370", "dice must be five digits from 1 to 6, not '12370'"},
      {"card=- roll=4 dice=12345", "roll must be 0 to 3, not '4'"},
      {"card=- roll=-1", "roll must be 0 to 3, not '-1'"},
      {"card=- roll=0 dice=12345", "roll=0 takes no dice"},
      {"card=- roll=2", "dice= is missing"},
      {"roll=0", "card= is missing"},
      {"card=-", "roll= is missing"},
      {"card=- card=- roll=0", "card= given twice"},
      {"card=- roll=0 hold=1", "unknown field 'hold=1'"},
      {"", "card= is missing"},
      {"card=Ones:0,Twos:0,Threes:0,Fours:0,Fives:0,Sixes:0,Chance:5,3Kind:0,House:0,4Kind:0,4Row:0,5Row:0,TUMBLA:0 "
       "roll=1 dice=11111",
       "the card is full: no roll to make"},
  };
  for (const auto& [line, error] : cases) EXPECT_EQ(ReadPositionLine(line).error, error) << line;
}

TEST(AnswerLine, EachKindOfAnswer) {
  EXPECT_EQ(Answer("card=- roll=0"), "roll expect 237.4206");
  EXPECT_EQ(Answer("card=- roll=1 dice=61432"), "hold 1234 expect 235.5409");
  // 50 now, then a card whose TUMBLA holds 50; the extra adds 100 to the same card's value.
  EXPECT_EQ(Answer("card=- roll=3 dice=44444"), "take TUMBLA expect 301.5555");
  EXPECT_EQ(Answer("card=TUMBLA:50,Bonus:200 roll=3 dice=22222"), "take Bonus expect 601.5555");
  // Nothing worth keeping for Sixes alone: the best hold is none.
  EXPECT_EQ(Answer("card=Ones:1,Twos:2,Threes:3,Fours:4,Fives:5,Chance:5,3Kind:0,House:0,4Kind:0,4Row:0,5Row:0,"
                   "TUMBLA:0 roll=1 dice=11111")
                .substr(0, 6),
            "hold -");
}

TEST(AnswerLine, AllListsEveryChoiceBestFirst) {
  const std::string all = Answer(
      "card=Ones:3,Chance:22,3Kind:20,House:25,4Kind:0,4Row:30,5Row:40,TUMBLA:50,"
      "Twos:6,Threes:9,Fours:12 roll=2 dice=66655",
      true);
  // Two takes (Fives, Sixes), with 3 x 4 distinct holds of 5 5 6 6 6.
  EXPECT_EQ(std::count(all.begin(), all.end(), ';'), 2 + 12 - 1);
  EXPECT_EQ(all.substr(0, all.find(';')), Answer("card=Ones:3,Chance:22,3Kind:20,House:25,4Kind:0,4Row:30,5Row:40,"
                                                 "TUMBLA:50,Twos:6,Threes:9,Fours:12 roll=2 dice=66655"));
  EXPECT_NE(all.find("take Fives expect "), std::string::npos);
  EXPECT_NE(all.find("hold - expect "), std::string::npos);
}

}  // namespace
