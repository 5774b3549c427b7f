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
constexpr int kFirstYear = 1900;

std::string Decimal2(double value) {
  char text[32];
  // -0.00 would read as a different line than 0.00 for the same game.
  const double rounded = std::round(value * 100.0) / 100.0;
  std::snprintf(text, sizeof text, "%.2f", rounded == 0.0 ? 0.0 : rounded);
  return text;
}

std::string UtcTime(std::time_t when) {
  std::tm parts{};
  gmtime_r(&when, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
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
  std::tm parts{};
  parts.tm_year = field(0, 4) - kFirstYear;
  parts.tm_mon = field(5, 2) - 1;
  parts.tm_mday = field(8, 2);
  parts.tm_hour = field(11, 2);
  parts.tm_min = field(14, 2);
  parts.tm_sec = field(17, 2);
  when = timegm(&parts);
  // A date that does not exist (a 31st of April) comes back as another one.
  return UtcTime(when) == text;
}

}  // namespace

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
