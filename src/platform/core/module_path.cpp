#include "platform/core/module_path.h"

#include <filesystem>
#include <system_error>

#include "platform/core/text.h"

namespace {
std::string& Override() {
  static std::string path;
  return path;
}
}  // namespace

std::string GetModuleFileBytes() {
  if (!Override().empty()) return Override();
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

CString GetModuleFilePath() { return FromUtf8(GetModuleFileBytes()); }

void SetModuleFilePathForTesting(const std::string& path) { Override() = path; }

void SetModuleFilePathForTesting(const CString& path) { Override() = ToUtf8(path); }
