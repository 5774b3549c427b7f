// Windows: the new contents go to a file of their own beside the old one, flushed, and that
// file then replaces the old one in one step. One copy runs per folder (run_lock.h), so the
// new file's name is fixed; a kill before the replacement leaves it, and the next start
// removes it.
#include "persistence/safe_replace.h"
#include "platform/win32/system/win32_files.h"

namespace {
constexpr char kTemporarySuffix[] = ".tumbla-save";
}  // namespace

int ReplaceFileContents(const std::string& path, std::span<const BYTE> bytes, UINT& length) {
  const int error = win32::ReplaceWithNewFile(path, path + kTemporarySuffix, bytes);
  length = error == 0 ? static_cast<UINT>(bytes.size()) : 0;
  return error;
}

// The settings file's folder is where a save writes: the program follows no links on Windows.
int FollowLinks(std::string path, std::string& target) {
  target = std::move(path);
  return 0;
}

void RemoveLeftoverTemporaries(const std::string& path) { win32::RemoveFile(path + kTemporarySuffix); }
