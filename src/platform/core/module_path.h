#pragma once
// The full path of the running executable, as the handheld's module-path query gives it.
#include "platform/core/win_types.h"

CString GetModuleFilePath();

// Tests point the executable's path into a temporary folder so that no test touches the
// settings file beside the real executable. An empty path restores the real one.
void SetModuleFilePathForTesting(const CString& path);
