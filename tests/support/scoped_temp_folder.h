#pragma once
// A fresh temporary folder that the executable's path points into while the object lives,
// so that files built beside the executable land there, and another that XDG_DATA_HOME
// names, for the per-user settings. Both are removed, with their contents, at the end; the
// path and the variable in force before are restored.
#include <filesystem>
#include <optional>
#include <string>

#include "platform/core/win_types.h"

class ScopedTempFolder {
 public:
  ScopedTempFolder();
  ~ScopedTempFolder();
  ScopedTempFolder(const ScopedTempFolder&) = delete;
  ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

  const std::filesystem::path& Folder() const { return m_folder; }
  std::filesystem::path File(const char* name) const { return m_folder / name; }
  const std::filesystem::path& DataHome() const { return m_dataHome; }

 private:
  std::filesystem::path m_folder;
  std::filesystem::path m_dataHome;
  std::string m_previousModulePath;
  std::optional<std::string> m_previousDataHome;
};
