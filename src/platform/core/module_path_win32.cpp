#include "platform/core/module_path.h"
#include "platform/win32/system/win32_files.h"

std::string SystemModuleFileBytes() { return win32::ModulePath(); }
