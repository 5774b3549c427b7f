#pragma once
// The words of positions and answers: the board's labels without spaces, and a choice as
// "roll", "hold 1134" ("hold -" for none), "take 3Kind" or "take Bonus".
#include <optional>
#include <string>
#include <string_view>

#include "coach/advice.h"

constexpr std::string_view kBonusLabel = "Bonus";

std::string_view CategoryLabel(Category category);
std::optional<Category> CategoryFromLabel(std::string_view label);
// The values of the dice held, ascending; "-" for none.
std::string HeldDigits(const FaceCounts& held);
std::string ChoiceText(const Choice& choice);
