#pragma once
// Whole games for the history file's tests: the scripted game (370), the same without its
// extra (270), and that one with TUMBLA scored 0 (220).
#include <string>

#include "history/game_record.h"
#include "history/moves_text.h"
#include "scripted_game.h"

inline std::string ScriptedWithout(std::string_view cut, std::string_view replacement = "") {
  std::string moves(kScriptedMoves);
  moves.replace(moves.find(cut), cut.size(), replacement);
  return moves;
}

// The game of these moves, finished at the time and said to have given up the points.
inline GameRecord KnownGame(const std::string& moves, std::time_t finished, double givenUp) {
  const ReplayedMoves replayed = *ReplayMoves(moves, false);
  GameRecord record;
  record.finished = finished;
  record.total = replayed.end.points;
  record.scores = replayed.scores;
  record.extras = replayed.extras;
  record.givenUp = givenUp;
  record.luck = record.total - kBestPlayExpectation + givenUp;
  record.moves = moves;
  return record;
}

inline GameRecord Game370(std::time_t finished = 1796652202) {
  return KnownGame(std::string(kScriptedMoves), finished, 12.5);
}
inline GameRecord Game270(std::time_t finished = 1796652202) {
  return KnownGame(ScriptedWithout("11111 t:Bonus;"), finished, 30.25);
}
inline GameRecord Game220(std::time_t finished = 1796652202) {
  return KnownGame(ScriptedWithout("11111 t:TUMBLA;11111 t:Bonus;", "11112 t:TUMBLA;"), finished, 45.0);
}
