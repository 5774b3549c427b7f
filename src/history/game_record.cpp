#include "history/game_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "history/moves_text.h"

namespace {

constexpr std::size_t kColumns = 19;
constexpr std::size_t kFirstScoreColumn = 2;
constexpr std::size_t kBonusColumn = kFirstScoreColumn + kCategoryCount;
// "2026-12-07T14:03:22Z"
constexpr std::string_view kTimePattern = "dddd-dd-ddTdd:dd:ddZ";
constexpr long long kSecondsPerDay = 86400;
constexpr long long kDaysPerEra = 146097;
// Days from 0000-03-01 to 1970-01-01.
constexpr long long kEpochShift = 719468;

std::string Decimal2(double value) {
  char text[32];
  // -0.00 would read as a different line than 0.00 for the same game.
  const double rounded = std::round(value * 100.0) / 100.0;
  std::snprintf(text, sizeof text, "%.2f", rounded == 0.0 ? 0.0 : rounded);
  return text;
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& number) {
  const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && rest == text.data() + text.size() && !text.empty();
}

// Exactly two decimals after an optional sign and at least one digit. Read as whole
// hundredths, as the browser's library reads no floating-point text.
bool ReadDecimal2(std::string_view text, double& number) {
  const bool bNegative = text.starts_with('-');
  if (bNegative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  long long whole = 0;
  int hundredths = 0;
  const auto digits = [](std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (point == std::string_view::npos || text.size() - point != 3 || !digits(text.substr(0, point)) ||
      !digits(text.substr(point + 1)) || !ReadNumber(text.substr(0, point), whole) ||
      !ReadNumber(text.substr(point + 1), hundredths)) {
    return false;
  }
  number = (static_cast<double>(whole) + hundredths / 100.0) * (bNegative ? -1.0 : 1.0);
  return true;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, counting in 400-year
// eras that start on 1 March, so the leap day falls at an era year's end.
long long DaysFromCivil(long long year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = (year >= 0 ? year : year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const int shiftedMonth = month > 2 ? month - 3 : month + 9;
  const long long dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysPerEra + dayOfEra - kEpochShift;
}

bool ReadUtcTime(std::string_view text, std::time_t& when) {
  if (text.size() != kTimePattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool bDigit = text[i] >= '0' && text[i] <= '9';
    if (kTimePattern[i] == 'd' ? !bDigit : text[i] != kTimePattern[i]) return false;
  }
  auto field = [text](std::size_t at, std::size_t length) {
    int number = 0;
    ReadNumber(text.substr(at, length), number);
    return number;
  };
  const long long days = DaysFromCivil(field(0, 4), field(5, 2), field(8, 2));
  when = static_cast<std::time_t>(days * kSecondsPerDay + field(11, 2) * 3600 + field(14, 2) * 60 + field(17, 2));
  // A date or time that does not exist (a 31st of April, 24:00) comes back as another one.
  return UtcTime(when) == text;
}

}  // namespace

std::string UtcTime(std::time_t when) {
  const long long seconds = static_cast<long long>(when);
  long long days = seconds / kSecondsPerDay;
  long long rest = seconds % kSecondsPerDay;
  if (rest < 0) {
    rest += kSecondsPerDay;
    --days;
  }
  // The date of the day count: the inverse of DaysFromCivil.
  days += kEpochShift;
  const long long era = (days >= 0 ? days : days - kDaysPerEra + 1) / kDaysPerEra;
  const long long dayOfEra = days - era * kDaysPerEra;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
  const long long day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
  const long long month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  char text[80];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", static_cast<int>(year), static_cast<int>(month),
                static_cast<int>(day), static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60),
                static_cast<int>(rest % 60));
  return text;
}

std::optional<GameRecord> RecordGame(const CCoachTable& table, const std::vector<PlayedChoice>& choices,
                                     std::time_t finished) {
  GameRecord record;
  record.finished = finished;
  record.moves = MovesText(choices);
  const std::optional<ReplayedMoves> replayed = ReplayMoves(record.moves, false);
  if (!replayed || !replayed->end.card.IsFull()) return std::nullopt;
  record.scores = replayed->scores;
  record.extras = replayed->extras;
  record.total = replayed->end.points;
  record.givenUp = ReviewGame(table, choices, record.total).givenUp;
  record.luck = record.total - kBestPlayExpectation + record.givenUp;
  return record;
}

std::string FormatGameLine(const GameRecord& record) {
  std::string line = UtcTime(record.finished);
  line += ',' + std::to_string(record.total);
  for (Category category : kOfferOrder) {
    line += ',' + std::to_string(record.scores[static_cast<std::size_t>(CellIndex(category))]);
  }
  line += ',' + std::to_string(record.extras);
  line += ',' + Decimal2(record.givenUp);
  line += ',' + Decimal2(record.luck);
  line += ',' + record.moves;
  return line;
}

std::optional<GameRecord> ParseGameLine(std::string_view line) {
  std::array<std::string_view, kColumns> columns;
  for (std::size_t i = 0; i < kColumns; ++i) {
    const std::size_t comma = i + 1 < kColumns ? line.find(',') : line.size();
    if (comma == std::string_view::npos) return std::nullopt;
    columns[i] = line.substr(0, comma);
    line.remove_prefix(i + 1 < kColumns ? comma + 1 : comma);
  }
  GameRecord record;
  if (!ReadUtcTime(columns[0], record.finished) || !ReadNumber(columns[1], record.total) ||
      !ReadNumber(columns[kBonusColumn], record.extras) || !ReadDecimal2(columns[kBonusColumn + 1], record.givenUp) ||
      !ReadDecimal2(columns[kBonusColumn + 2], record.luck)) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < kCategoryCount; ++i) {
    int& score = record.scores[static_cast<std::size_t>(CellIndex(kOfferOrder[i]))];
    if (!ReadNumber(columns[kFirstScoreColumn + i], score)) return std::nullopt;
  }
  record.moves = columns[kColumns - 1];
  const std::optional<ReplayedMoves> replayed = ReplayMoves(record.moves, false);
  if (!replayed || !replayed->end.card.IsFull() || replayed->scores != record.scores ||
      replayed->extras != record.extras || replayed->end.points != record.total) {
    return std::nullopt;
  }
  return record;
}
