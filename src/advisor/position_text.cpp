#include "advisor/position_text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

#include "coach/choice_text.h"
#include "coach/outcome_scores.h"

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t end = text.find(separator);
    parts.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return parts;
    text.remove_prefix(end + 1);
  }
}

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (failure != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// The filled categories and the extras; returns the error, empty when read.
std::string ReadCard(std::string_view text, Position& position) {
  if (text == "-") return {};
  std::optional<int> bonus;
  for (std::string_view entry : Split(text, ',')) {
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos) return Quoted(entry) + " is not Label:score";
    const std::string_view label = entry.substr(0, colon);
    const std::optional<int> score = Number(entry.substr(colon + 1));
    if (!score) return Quoted(entry) + " has no score";
    if (label == kBonusLabel) {
      if (bonus) return "Bonus named twice";
      if (*score % kExtraScore != 0) return "Bonus cannot hold " + std::to_string(*score);
      bonus = *score;
      continue;
    }
    const std::optional<Category> category = CategoryFromLabel(label);
    if (!category) return "unknown label " + Quoted(label);
    if (position.card.IsFilled(*category)) return std::string(label) + " named twice";
    if (!CanHold(*category, *score)) return std::string(label) + " cannot hold " + std::to_string(*score);
    position.card = position.card.Filling(*category, *score);
    position.points += *score;
  }
  if (bonus && *bonus > 0 && !position.card.tumblaHolds50) return "Bonus without TUMBLA:50";
  position.points += bonus.value_or(0);
  return {};
}

std::string ReadDice(std::string_view text, Position& position) {
  const bool bFiveDice = text.size() == position.dice.size() &&
                         std::all_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '6'; });
  if (!bFiveDice) return "dice must be five digits from 1 to 6, not " + Quoted(text);
  for (std::size_t die = 0; die < text.size(); ++die) position.dice[die] = text[die] - '0';
  return {};
}

struct Fields {
  std::optional<std::string_view> card;
  std::optional<std::string_view> roll;
  std::optional<std::string_view> dice;

  std::optional<std::string_view>* Named(std::string_view name) {
    if (name == "card") return &card;
    if (name == "roll") return &roll;
    if (name == "dice") return &dice;
    return nullptr;
  }
};

std::string ReadFields(std::string_view line, Fields& fields) {
  for (std::string_view word : Split(line, ' ')) {
    if (word.empty()) continue;
    const std::size_t equals = word.find('=');
    std::optional<std::string_view>* field =
        equals == std::string_view::npos ? nullptr : fields.Named(word.substr(0, equals));
    if (field == nullptr) return "unknown field " + Quoted(word);
    if (*field) return std::string(word.substr(0, equals)) + "= given twice";
    *field = word.substr(equals + 1);
  }
  if (!fields.card) return "card= is missing";
  if (!fields.roll) return "roll= is missing";
  return {};
}

std::string ReadPosition(std::string_view line, Position& position) {
  Fields fields;
  if (std::string error = ReadFields(line, fields); !error.empty()) return error;
  if (std::string error = ReadCard(*fields.card, position); !error.empty()) return error;
  const std::optional<int> rolls = Number(*fields.roll);
  if (!rolls || *rolls < 0 || *rolls > kRollsInTurn) return "roll must be 0 to 3, not " + Quoted(*fields.roll);
  position.rollsMade = *rolls;
  if (position.card.IsFull()) return "the card is full: no roll to make";
  if (position.rollsMade == 0) return fields.dice ? "roll=0 takes no dice" : "";
  if (!fields.dice) return "dice= is missing";
  return ReadDice(*fields.dice, position);
}

std::string ExpectText(const Choice& choice) {
  char expect[32];
  std::snprintf(expect, sizeof expect, "%.4f", choice.expect);
  return ChoiceText(choice) + " expect " + expect;
}

}  // namespace

ReadLine ReadPositionLine(std::string_view line) {
  ReadLine read;
  read.error = ReadPosition(line, read.position);
  return read;
}

std::string AnswerLine(const std::vector<Choice>& choices, bool bAll) {
  std::string answer = ExpectText(choices.front());
  if (!bAll) return answer;
  for (std::size_t index = 1; index < choices.size(); ++index) answer += "; " + ExpectText(choices[index]);
  return answer;
}
