#include "history/games_file.h"

#include <cerrno>

#include "persistence/data_file.h"
#include "persistence/file_access.h"
#include "persistence/safe_replace.h"
#include "persistence/settings_location.h"

std::string GamesFilePath() { return BesideSettingsFile(kGamesFileName); }

int AppendGameLine(const std::string& path, const GameRecord& record) {
  return AppendLine(path, kGamesHeader, FormatGameLine(record));
}

GamesRead ReadGamesText(std::string_view text) {
  GamesRead read;
  bool bFirstLine = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      read.bTornLastLine = true;
      break;
    }
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    const bool bHeader = bFirstLine && line == kGamesHeader;
    bFirstLine = false;
    if (bHeader) continue;
    if (std::optional<GameRecord> game = ParseGameLine(line)) {
      read.games.push_back(std::move(*game));
    } else {
      ++read.badLines;
    }
  }
  return read;
}

GamesRead ReadGames(const std::string& path) {
  const CDataFile file = CDataFile::AtPath(path);
  GamesRead failed;
  failed.error = ENOENT;
  if (file.IsAbsent()) return failed;
  std::vector<BYTE> bytes;
  failed.error = file.ReadBytesWithin(bytes, kGamesFileBound, false);
  if (failed.error != 0) return failed;
  return ReadGamesText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

int ResetGames(const std::string& path) {
  std::string header(kGamesHeader);
  header += '\n';
  UINT length = 0;
  return ReplaceFileContents(path, std::span(reinterpret_cast<const BYTE*>(header.data()), header.size()), length);
}
