#pragma once
// Every multiset of zero to five dice, numbered so that a turn can be solved with array
// lookups: the multisets stand in blocks by size, the 252 of five dice (the outcomes of a
// roll) last. Rolling the dice not kept is the same as adding one die at a time, so a
// kept multiset's value is the mean of its six one-die extensions.
#include <array>
#include <cstdint>

#include "rules/scoring.h"

constexpr int kFaces = 6;
constexpr int kKeptCount = 462;
constexpr int kOutcomeCount = 252;
constexpr int kFirstOutcome = kKeptCount - kOutcomeCount;

// How many dice show each face, index 0 for face 1.
using FaceCounts = std::array<std::uint8_t, kFaces>;

struct KeptDice {
  std::array<FaceCounts, kKeptCount> counts{};
  std::array<std::uint8_t, kKeptCount> size{};
  // The multiset with one die of the face added; -1 for a multiset of five.
  std::array<std::array<std::int16_t, kFaces>, kKeptCount> added{};
  // The multisets one die smaller, one per face present; the rest -1.
  std::array<std::array<std::int16_t, kFaces>, kKeptCount> removed{};
  // The first multiset of each size, and one past the last.
  std::array<int, 7> sizeStart{};

  int IndexOf(const FaceCounts& faces) const;
};

// Built once, at the first call.
const KeptDice& TheKeptDice();

FaceCounts CountFaces(const DiceValues& dice);
// The values of the dice in a multiset, ascending.
DiceValues OutcomeDice(const FaceCounts& faces);
