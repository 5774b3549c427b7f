#pragma once
// A fresh temporary folder that the executable's path points into while the object lives,
// so that files built beside the executable land there. Removed, with its contents, at the
// end; the path in force before is restored.
#include <filesystem>
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

 private:
  std::filesystem::path m_folder;
  std::string m_previousModulePath;
};
