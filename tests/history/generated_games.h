#pragma once
// Whole games played by a simple rule of thumb with seeded dice, for figures and pictures
// of many games: keep the most common face, roll up to three times, take the open category
// that scores most (the extra whenever the rules give it). The points given up are drawn at
// random, as costing every choice would take longer than the statistics themselves.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "coach/choice_text.h"
#include "history/known_games.h"

inline std::string GeneratedMoves(std::mt19937& dice) {
  std::uniform_int_distribution<int> face(1, 6);
  std::string moves;
  CardState card;
  while (!card.IsFull()) {
    if (!moves.empty()) moves += ';';
    DiceValues shown{};
    FaceCounts held{};
    for (int roll = 1;; ++roll) {
      std::size_t next = 0;
      for (std::size_t f = 0; f < held.size(); ++f) {
        for (int n = 0; n < held[f]; ++n) shown[next++] = static_cast<int>(f) + 1;
      }
      while (next < shown.size()) shown[next++] = face(dice);
      if (roll > 1) moves += ' ';
      for (int value : shown) moves += static_cast<char>('0' + value);
      const FaceCounts counts = CountFaces(shown);
      const auto most = static_cast<std::size_t>(std::max_element(counts.begin(), counts.end()) - counts.begin());
      if (card.tumblaHolds50 && counts[most] == 5) {
        moves += " t:Bonus";
        break;
      }
      if (roll < 3 && counts[most] < 5) {
        held = {};
        held[most] = counts[most];
        moves += " h" + std::string(counts[most], static_cast<char>('1' + most));
        continue;
      }
      Category best = Category::Ones;
      int bestScore = -1;
      for (Category category : kOfferOrder) {
        if (card.IsFilled(category) || ScoreCategory(category, shown) <= bestScore) continue;
        best = category;
        bestScore = ScoreCategory(category, shown);
      }
      moves += " t:" + std::string(CategoryLabel(best));
      card = card.Filling(best, bestScore);
      break;
    }
  }
  return moves;
}

// One a minute from 2026-12-01, oldest first.
inline std::vector<GameRecord> GeneratedGames(int count, unsigned seed) {
  std::mt19937 dice(seed);
  std::uniform_real_distribution<double> givenUp(5.0, 60.0);
  std::vector<GameRecord> games;
  constexpr std::time_t kFirst = 1796083200;
  for (int i = 0; i < count; ++i) {
    const double cost = std::round(givenUp(dice) * 100.0) / 100.0;
    games.push_back(KnownGame(GeneratedMoves(dice), kFirst + 60 * i, cost));
  }
  return games;
}
