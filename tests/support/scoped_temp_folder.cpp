#include "support/scoped_temp_folder.h"

#include <stdlib.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <system_error>

#include "platform/core/module_path.h"

namespace fs = std::filesystem;

ScopedTempFolder::ScopedTempFolder() : m_previousModulePath(GetModuleFileBytes()) {
  std::string pattern = (fs::temp_directory_path() / "tumbla-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::system_error(errno, std::generic_category(), "mkdtemp");
  m_folder = pattern;
  SetModuleFilePathForTesting((m_folder / "tumbla").string());
}

ScopedTempFolder::~ScopedTempFolder() {
  SetModuleFilePathForTesting(m_previousModulePath);
  std::error_code error;
  // Tests may have taken away the right to write; give it back so the folder can go.
  fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, error);
  fs::remove_all(m_folder, error);
  if (error) std::fprintf(stderr, "could not remove %s: %s\n", m_folder.c_str(), error.message().c_str());
}
