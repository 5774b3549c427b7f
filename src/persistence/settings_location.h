#pragma once
// Where the settings file lives. Beside the executable, as on the handheld, whenever this user
// may save there: the folder holds a Tumbla.ini the user can write, or takes new files (a copy
// in a home folder, or installed under ~/.local). A copy in a folder of the system's is shared
// by users who may not write there, so each keeps a file of their own in the per-user data
// folder, $XDG_DATA_HOME/tumbla (~/.local/share/tumbla when the variable is unset or not an
// absolute path). Until a user's own file exists, a table shipped beside the shared copy is
// where they start from; it is read, never written. Where the executable's path cannot be
// found (no /proc), the per-user folder serves, as it is said once on standard error.
#include <string>
#include <string_view>

struct SettingsPlace {
  // The file every save replaces, and its folder (ending in '/'), which may not exist yet.
  std::string file;
  std::string folder;
  // The file read at start: the saved one, or the shared one before a per-user file exists.
  std::string source;
};

// Decided afresh at each call from the file system and the environment, so that the per-user
// file, once a save has made it, is the one read from then on.
SettingsPlace ChooseSettingsPlace();

// An additions' file of that name beside the settings file that saves replace: the additions
// keep their state in files of their own, under the same place rules.
std::string BesideSettingsFile(std::u16string_view fileName);
