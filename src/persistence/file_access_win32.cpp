#include "persistence/file_access.h"
#include "platform/win32/system/win32_files.h"

int ReadWholeFile(const std::string& path, std::vector<BYTE>& bytes, std::size_t bound) {
  return win32::ReadWholeFile(path, bytes, bound);
}

int AppendLine(const std::string& path, std::string_view header, std::string_view line) {
  return win32::AppendLine(path, header, line);
}

bool CanOpenForReading(const std::string& path) { return win32::CanOpenForReading(path); }

bool NothingAt(const std::string& path) { return win32::NothingAt(path); }

// Each folder from the drive or share down; a folder a user's profile puts below their own
// is made for them alone by the system already.
int MakeFoldersAbove(const std::string& path, std::string& failed) {
  for (std::size_t separator = path.find_first_of(kPathSeparators, 3); separator != std::string::npos;
       separator = path.find_first_of(kPathSeparators, separator + 1)) {
    const std::string folder = path.substr(0, separator);
    if (!win32::NothingAt(folder)) continue;
    if (const int error = win32::MakeFolder(folder)) {
      failed = folder;
      return error;
    }
  }
  return 0;
}

bool RemoveFile(const std::string& path) { return win32::RemoveFile(path); }

bool FlushFolderOf(const std::string& path) {
  return win32::FlushFolder(path.substr(0, path.find_last_of(kPathSeparators)));
}

std::string SystemErrorText(int error) { return win32::ErrorText(error); }
