#pragma once
// The history file, "Tumbla-games.csv" beside "Tumbla.ini": a header line, then one line a
// finished game, only ever appended to. An append is one write, flushed (and the folder with
// it when the file is new), so a kill leaves at worst a last line without its end: reading
// skips it, and the next append starts on a fresh line. A line that does not read is skipped
// and counted, never removed; only Reset statistics writes the file anew.
#include <cstddef>
#include <string>
#include <vector>

#include "history/game_record.h"

constexpr char16_t kGamesFileName[] = u"Tumbla-games.csv";
// About 100,000 games, where the settings' 1 MiB would hold fewer than 2,000.
constexpr std::size_t kGamesFileBound = std::size_t{64} << 20;

// Where the file is: in the settings file's folder.
std::string GamesFilePath();

// Returns 0, or the system's error number.
int AppendGameLine(const std::string& path, const GameRecord& record);

struct GamesRead {
  std::vector<GameRecord> games;
  // Lines that did not read as a game, the header apart; a last line without its end is not
  // counted among them.
  int badLines = 0;
  bool bTornLastLine = false;
  // 0, or the system's error number; ENOENT for no file, which is no games.
  int error = 0;
};

GamesRead ReadGames(const std::string& path);
// The games in a file's text.
GamesRead ReadGamesText(std::string_view text);

// The file with its header alone, replaced as the settings file is. Returns 0, or the
// system's error number.
int ResetGames(const std::string& path);
