#pragma once
// One finished game as a line of the history file, "Tumbla-games.csv": when it ended (UTC),
// its TOTAL, each category's score in the board's order, the extras, the points its choices
// gave up against best play, the luck that made up the rest, and its moves.
#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "coach/coach_table.h"
#include "coach/game_review.h"

constexpr std::string_view kGamesHeader =
    "finished,total,Ones,Twos,Threes,Fours,Fives,Sixes,Chance,3Kind,House,4Kind,4Row,5Row,TUMBLA,Bonus,given_up,"
    "luck,moves";
// Best play's expected TOTAL from an empty card, which luck is measured from.
constexpr double kBestPlayExpectation = 237.4206;

struct GameRecord {
  std::time_t finished = 0;
  int total = 0;
  // By category index.
  std::array<int, kCategoryCount> scores{};
  int extras = 0;
  double givenUp = 0.0;
  double luck = 0.0;
  std::string moves;
};

// The record of a game whose thirteenth category has just been taken, costed with the whole
// table; nothing when the choices are not a whole game's.
std::optional<GameRecord> RecordGame(const CCoachTable& table, const std::vector<PlayedChoice>& choices,
                                     std::time_t finished);

// "2026-12-07T14:03:22Z", as the line writes the time.
std::string UtcTime(std::time_t when);
// The line without its end.
std::string FormatGameLine(const GameRecord& record);
// Nothing unless every column is well formed and the moves, played again, fill the card with
// the scores and extras the line gives, adding up to its total.
std::optional<GameRecord> ParseGameLine(std::string_view line);
