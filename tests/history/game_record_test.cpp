#include "history/game_record.h"

#include <gtest/gtest.h>

#include "coach/solved_table.h"
#include "history/moves_text.h"
#include "scripted_game.h"

namespace {

constexpr std::time_t kFinished = 1796652202;  // 2026-12-07T14:03:22Z

TEST(GameRecord, AScriptedGameIsOneLineByteForByte) {
  const std::optional<GameRecord> record =
      RecordGame(SolvedTable(), ReplayMoves(kScriptedMoves, false)->choices, kFinished);
  ASSERT_TRUE(record);
  const std::string expected =
      "2026-12-07T14:03:22Z,370,5,6,9,12,15,18,20,18,25,22,30,40,50,100,224.02,356.60," + std::string(kScriptedMoves);
  EXPECT_EQ(FormatGameLine(*record), expected);
  EXPECT_NEAR(record->luck, 370 - 237.4206 + record->givenUp, 1e-9);
}

TEST(GameRecord, ALineReadsBackAsTheGameItRecords) {
  const GameRecord record = *RecordGame(SolvedTable(), ReplayMoves(kScriptedMoves, false)->choices, kFinished);
  const std::string line = FormatGameLine(record);
  const std::optional<GameRecord> read = ParseGameLine(line);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->finished, kFinished);
  EXPECT_EQ(read->total, 370);
  EXPECT_EQ(read->scores, record.scores);
  EXPECT_EQ(read->moves, kScriptedMoves);
  EXPECT_EQ(FormatGameLine(*read), line);
}

TEST(GameRecord, ALineThatDisagreesWithItsMovesOrItsFormDoesNotRead) {
  const std::string line =
      FormatGameLine(*RecordGame(SolvedTable(), ReplayMoves(kScriptedMoves, false)->choices, kFinished));
  const auto changed = [&line](std::string_view from, std::string_view to) {
    std::string bad = line;
    bad.replace(bad.find(from), from.size(), to);
    return bad;
  };
  for (const std::string& bad : {
           changed(",370,", ",307,"),          // a total its scores do not add to
           changed(",5,6,9,", ",4,6,9,"),      // a score its moves did not make
           changed(",100,", ",0,"),            // extras its moves did not take
           changed("14:03:22Z", "14:03:22"),   // no zone
           changed("12-07", "02-30"),          // a day that does not exist
           changed(";65432 t:Chance", ""),     // a card not full
           changed(",370,", ",370,,"),         // a column too many
           changed(",224.02,", ",224.0,"),     // one decimal
           changed(",224.02,", ",224.-2,"),    // a sign among the decimals
           changed(",356.60,", ",--356.60,"),  // two signs
           changed(",356.60,", ",.60,"),       // no whole part
           line.substr(0, line.size() - 3),    // cut short
       }) {
    EXPECT_FALSE(ParseGameLine(bad)) << bad;
  }
}

}  // namespace

namespace {

TEST(UtcTime, WritesAndReadsTheCalendarsDaysExactly) {
  EXPECT_EQ(UtcTime(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(UtcTime(kFinished), "2026-12-07T14:03:22Z");
  EXPECT_EQ(UtcTime(1835481599), "2028-02-29T23:59:59Z");
  EXPECT_EQ(UtcTime(4107542400), "2100-03-01T00:00:00Z");
  std::string line = FormatGameLine(*RecordGame(SolvedTable(), ReplayMoves(kScriptedMoves, false)->choices, kFinished));
  line.replace(0, 20, "2028-02-29T23:59:59Z");
  ASSERT_TRUE(ParseGameLine(line));
  EXPECT_EQ(ParseGameLine(line)->finished, 1835481599);
  line.replace(0, 20, "2100-02-29T00:00:00Z");
  EXPECT_FALSE(ParseGameLine(line)) << "2100 is no leap year";
}

}  // namespace
