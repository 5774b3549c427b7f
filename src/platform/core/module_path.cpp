#include "platform/core/module_path.h"

#include "platform/core/text.h"

namespace {
std::string& Override() {
  static std::string path;
  return path;
}
}  // namespace

std::string GetModuleFileBytes() {
  if (!Override().empty()) return Override();
  return SystemModuleFileBytes();
}

CString GetModuleFilePath() { return FromUtf8(GetModuleFileBytes()); }

void SetModuleFilePathForTesting(const std::string& path) { Override() = path; }

void SetModuleFilePathForTesting(const CString& path) { Override() = ToUtf8(path); }
