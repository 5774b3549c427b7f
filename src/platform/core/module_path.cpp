#include "platform/core/module_path.h"

#include <filesystem>
#include <system_error>

#include "platform/core/text.h"

namespace {
CString& Override() {
  static CString path;
  return path;
}
}  // namespace

CString GetModuleFilePath() {
  if (!Override().empty()) return Override();
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? CString() : FromUtf8(exe.string());
}

void SetModuleFilePathForTesting(const CString& path) { Override() = path; }
