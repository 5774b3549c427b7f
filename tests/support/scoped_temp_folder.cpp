#include "support/scoped_temp_folder.h"

#include <stdlib.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/core/module_path.h"

namespace fs = std::filesystem;

namespace {

fs::path MakeTempFolder(const char* prefix) {
  std::string pattern = (fs::temp_directory_path() / prefix).string() + "XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), "mkdtemp");
  return pattern;
}

void RemoveTempFolder(const fs::path& folder) {
  std::error_code error;
  // Tests may have taken away the right to write; give it back so the folder can go.
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(folder, error);
  if (error) std::fprintf(stderr, "could not remove %s: %s\n", folder.c_str(), error.message().c_str());
}

}  // namespace

ScopedTempFolder::ScopedTempFolder()
    : m_folder(MakeTempFolder("tumbla-test-")),
      m_dataHome(MakeTempFolder("tumbla-test-data-")),
      m_previousModulePath(GetModuleFileBytes()) {
  if (const char* previous = getenv("XDG_DATA_HOME")) m_previousDataHome = previous;
  SetModuleFilePathForTesting((m_folder / "tumbla").string());
  setenv("XDG_DATA_HOME", m_dataHome.c_str(), 1);
}

ScopedTempFolder::~ScopedTempFolder() {
  SetModuleFilePathForTesting(m_previousModulePath);
  if (m_previousDataHome) {
    setenv("XDG_DATA_HOME", m_previousDataHome->c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
  RemoveTempFolder(m_folder);
  RemoveTempFolder(m_dataHome);
}
