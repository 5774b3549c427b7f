#include "platform/core/module_path.h"
#include "platform/core/read_link.h"

std::string SystemModuleFileBytes() {
  std::string exe;
  return ReadLink("/proc/self/exe", exe) == 0 ? exe : std::string();
}
