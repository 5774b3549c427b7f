#include "history/games_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/data_file.h"
#include "persistence/file_handle.h"
#include "persistence/safe_replace.h"
#include "persistence/settings_location.h"

namespace {

constexpr mode_t kNewFileMode = 0666;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t wrote = write(fd, bytes.data(), bytes.size());
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

// Opens the file to append to, creating it when there is none; bNew then.
FileHandle OpenForAppend(const std::string& path, bool& bNew) {
  bNew = false;
  FileHandle file(path, O_RDWR | O_APPEND | O_NONBLOCK);
  if (file.IsOpen() || errno != ENOENT) return file;
  bNew = true;
  return FileHandle(path, O_RDWR | O_APPEND | O_CREAT | O_EXCL, kNewFileMode);
}

}  // namespace

std::string GamesFilePath() { return BesideSettingsFile(kGamesFileName); }

int AppendGameLine(const std::string& path, const GameRecord& record) {
  bool bNew = false;
  FileHandle file = OpenForAppend(path, bNew);
  if (!file.IsOpen()) return errno;
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) return errno;
  // A device or a pipe in the file's place is not ours to write to.
  if (!S_ISREG(info.st_mode)) return ENOTSUP;
  std::string bytes;
  if (info.st_size == 0) {
    bytes = kGamesHeader;
    bytes += '\n';
  } else {
    // A line a kill cut short is ended first, so the new one is never joined to it.
    char last = '\n';
    if (pread(file.Get(), &last, 1, info.st_size - 1) != 1) return errno;
    if (last != '\n') bytes += '\n';
  }
  bytes += FormatGameLine(record);
  bytes += '\n';
  if (!WriteAll(file.Get(), bytes) || fsync(file.Get()) != 0) return errno;
  if (bNew) {
    const FileHandle folder(FolderOf(path), O_RDONLY | O_DIRECTORY);
    if (!folder.IsOpen() || fsync(folder.Get()) != 0) return errno;
  }
  return file.Close() ? 0 : errno;
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
