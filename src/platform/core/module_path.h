#pragma once
// The full path of the running executable, as the handheld's module-path query gives it.
#include <string>

#include "platform/core/win_types.h"

// The path as the system names it: bytes in no particular encoding, for file calls. A
// folder named in Latin-1 is as good a home for the program as any.
std::string GetModuleFileBytes();
// The path as the system tells it, never a test's (module_path_posix.cpp, module_path_win32.cpp);
// empty when it cannot tell.
std::string SystemModuleFileBytes();
// The same path as text, for showing; bytes that are not UTF-8 show as U+FFFD.
CString GetModuleFilePath();

// Tests point the executable's path into a temporary folder so that no test touches the
// settings file beside the real executable. An empty path restores the real one.
void SetModuleFilePathForTesting(const std::string& path);
void SetModuleFilePathForTesting(const CString& path);
