// Windows: beside the executable when this user may make files there (a copy unpacked in a
// folder of their own), else in %APPDATA%\Tumbla (a copy in Program Files). The program's
// manifest says it runs as the user invoked it, so Windows never redirects a write it
// refuses into a store of its own.
#include "persistence/data_file.h"
#include "persistence/game_settings.h"
#include "persistence/settings_location.h"
#include "platform/core/text.h"
#include "platform/win32/system/win32_files.h"

SettingsPlace ChooseSettingsPlace() {
  const std::string folder = win32::ApplicationDataFolder() + "\\Tumbla\\";
  const std::string own = folder + ToUtf8(kSettingsFileName);
  // Without the executable's path there is no folder beside it.
  const std::string besideFolder = CDataFile::BuildPath(u"", false);
  if (besideFolder.empty()) return {own, folder, own};
  const std::string beside = besideFolder + ToUtf8(kSettingsFileName);
  if (win32::MayCreateFilesIn(besideFolder)) return {beside, besideFolder, beside};
  const bool bStartFromShared = CDataFile::AtPath(own).IsAbsent() && !CDataFile::AtPath(beside).IsAbsent();
  return {own, folder, bStartFromShared ? beside : own};
}
