#include "support/scoped_temp_folder.h"

#include <stdlib.h>

#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/core/module_path.h"

namespace fs = std::filesystem;

namespace {

fs::path MakeTempFolder(const char* prefix) {
#ifdef _WIN32
  // Windows has no mkdtemp: a new name is tried until one is free.
  std::random_device noise;
  for (;;) {
    const fs::path folder = fs::temp_directory_path() / (prefix + std::to_string(noise()));
    if (fs::create_directory(folder)) return folder;
  }
#else
  std::string pattern = (fs::temp_directory_path() / prefix).string() + "XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), "mkdtemp");
  return pattern;
#endif
}

void RemoveTempFolder(const fs::path& folder) {
  std::error_code error;
  // Tests may have taken away the right to write; give it back so the folder can go.
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(folder, error);
  if (error) std::fprintf(stderr, "could not remove %s: %s\n", folder.string().c_str(), error.message().c_str());
}

}  // namespace

ScopedTempFolder::ScopedTempFolder()
    : m_folder(MakeTempFolder("tumbla-test-")),
      m_dataHome(MakeTempFolder("tumbla-test-data-")),
      m_previousModulePath(GetModuleFileBytes()) {
  SetModuleFilePathForTesting((m_folder / "tumbla").string());
#ifndef _WIN32
  // Windows keeps the per-user settings in its application data folder, which no variable moves.
  if (const char* previous = getenv("XDG_DATA_HOME")) m_previousDataHome = previous;
  setenv("XDG_DATA_HOME", m_dataHome.c_str(), 1);
#endif
}

ScopedTempFolder::~ScopedTempFolder() {
  SetModuleFilePathForTesting(m_previousModulePath);
#ifndef _WIN32
  if (m_previousDataHome) {
    setenv("XDG_DATA_HOME", m_previousDataHome->c_str(), 1);
  } else {
    unsetenv("XDG_DATA_HOME");
  }
#endif
  RemoveTempFolder(m_folder);
  RemoveTempFolder(m_dataHome);
}
