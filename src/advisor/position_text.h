#pragma once
// One line of tumbla-advisor's input, `card=<filled> roll=<n> dice=<ddddd>`, and its answer.
#include <string>
#include <string_view>
#include <vector>

#include "coach/advice.h"

struct ReadLine {
  Position position;
  // Empty when the line was read.
  std::string error;
};

ReadLine ReadPositionLine(std::string_view line);

// The best choice, or with bAll every choice, best first: "hold 66 expect 245.1234".
std::string AnswerLine(const std::vector<Choice>& choices, bool bAll);
