#pragma once
// A whole game as the history file keeps its moves: TUMBLA at once, the extra, then each
// category in a turn of its own, a few after holds.
#include <string_view>

constexpr std::string_view kScriptedMoves =
    "11111 t:TUMBLA;11111 t:Bonus;11111 t:Ones;22345 h2345 23456 t:5Row;12346 h1234 12341 h1234 12344 t:4Row;"
    "22233 t:House;33345 t:3Kind;44446 t:4Kind;66651 h666 66652 t:Sixes;55512 t:Fives;44412 h 11112 h 44412 t:Fours;"
    "33312 t:Threes;22213 t:Twos;65432 t:Chance";
