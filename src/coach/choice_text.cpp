#include "coach/choice_text.h"

#include <array>
#include <utility>

namespace {
using enum Category;
constexpr std::array<std::pair<Category, std::string_view>, kCategoryCount> kLabels = {{
    {Ones, "Ones"},
    {Twos, "Twos"},
    {Threes, "Threes"},
    {Fours, "Fours"},
    {Fives, "Fives"},
    {Sixes, "Sixes"},
    {Chance, "Chance"},
    {ThreeKind, "3Kind"},
    {House, "House"},
    {FourKind, "4Kind"},
    {FourRow, "4Row"},
    {FiveRow, "5Row"},
    {Tumbla, "TUMBLA"},
}};
}  // namespace

std::string_view CategoryLabel(Category category) {
  for (const auto& [labelled, label] : kLabels) {
    if (labelled == category) return label;
  }
  return {};
}

std::optional<Category> CategoryFromLabel(std::string_view label) {
  for (const auto& [category, known] : kLabels) {
    if (known == label) return category;
  }
  return std::nullopt;
}

std::string HeldDigits(const FaceCounts& held) {
  std::string digits;
  for (std::size_t face = 0; face < held.size(); ++face) digits.append(held[face], static_cast<char>('1' + face));
  return digits.empty() ? "-" : digits;
}

std::string ChoiceText(const Choice& choice) {
  switch (choice.kind) {
    case ChoiceKind::Roll: return "roll";
    case ChoiceKind::Hold: return "hold " + HeldDigits(choice.held);
    case ChoiceKind::Take: return "take " + std::string(CategoryLabel(choice.category));
    case ChoiceKind::Extra: return "take " + std::string(kBonusLabel);
  }
  return {};
}
