#include "persistence/settings_location.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "persistence/data_file.h"
#include "persistence/game_settings.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"

namespace {

// As this process's own user and groups would find it when writing, not as a set-user-id
// program's real user would.
bool MayWrite(const std::string& path, int mode) { return faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0; }

std::string AbsoluteOrEmpty(const char* path) { return path != nullptr && path[0] == '/' ? path : ""; }

// The base of the per-user data folders, as the XDG base directories define it; the home
// folder comes from the user database when HOME says nothing usable.
std::string DataHome() {
  std::string base = AbsoluteOrEmpty(std::getenv("XDG_DATA_HOME"));
  if (!base.empty()) return base;
  std::string home = AbsoluteOrEmpty(std::getenv("HOME"));
  if (home.empty()) {
    const passwd* user = getpwuid(geteuid());
    if (user != nullptr) home = AbsoluteOrEmpty(user->pw_dir);
  }
  return home + "/.local/share";
}

}  // namespace

SettingsPlace ChooseSettingsPlace() {
  const std::string folder = DataHome() + "/tumbla/";
  const std::string own = folder + ToUtf8(kSettingsFileName);
  if (GetModuleFileBytes().find('/') == std::string::npos) {
    static bool bTold = false;
    if (!std::exchange(bTold, true)) {
      std::fprintf(stderr, "Tumbla: the program's own folder cannot be found, so the settings are kept in %s\n",
                   folder.c_str());
    }
    return {own, folder, own};
  }
  const std::string besideFolder = CDataFile::BuildPath(u"", false);
  const std::string beside = besideFolder + ToUtf8(kSettingsFileName);
  if (MayWrite(beside, W_OK) || MayWrite(besideFolder, W_OK | X_OK)) return {beside, besideFolder, beside};
  const bool bStartFromShared = CDataFile::AtPath(own).IsAbsent() && !CDataFile::AtPath(beside).IsAbsent();
  return {own, folder, bStartFromShared ? beside : own};
}
