#include "persistence/settings_location.h"

#include <stdlib.h>

#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/core/module_path.h"
#include "support/scoped_temp_folder.h"

namespace {

// The per-user folder as the XDG base directories place it: an absolute XDG_DATA_HOME is
// taken as it is, anything else falls back to HOME's .local/share.
TEST(SettingsLocation, ThePerUserFolderFollowsTheDataHomeOrElseHome) {
  struct Case {
    const char* dataHome;
    const char* folder;
  };
  constexpr Case kCases[] = {
      {"/srv/data", "/srv/data/tumbla/"},
      {"relative/data", "/home/player/.local/share/tumbla/"},
      {"", "/home/player/.local/share/tumbla/"},
      {nullptr, "/home/player/.local/share/tumbla/"},
  };
  const ScopedTempFolder temp;
  const char* home = getenv("HOME");
  const std::optional<std::string> savedHome = home ? std::optional<std::string>(home) : std::nullopt;
  setenv("HOME", "/home/player", 1);
  // A folder that does not exist takes no file, so the settings cannot stay beside the executable.
  SetModuleFilePathForTesting((temp.Folder() / "missing" / "tumbla").string());
  for (const Case& c : kCases) {
    if (c.dataHome) {
      setenv("XDG_DATA_HOME", c.dataHome, 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
    const SettingsPlace place = ChooseSettingsPlace();
    EXPECT_EQ(place.folder, c.folder) << (c.dataHome ? c.dataHome : "unset");
    EXPECT_EQ(place.file, place.folder + "Tumbla.ini");
    EXPECT_EQ(place.source, place.file);
  }
  if (savedHome) {
    setenv("HOME", savedHome->c_str(), 1);
  } else {
    unsetenv("HOME");
  }
}

// Without /proc the executable's path is unknown: the root is not its folder, so the
// per-user folder serves, and standard error says so once.
TEST(SettingsLocation, WithoutTheExecutablesPathThePerUserFolderServes) {
  const ScopedTempFolder temp;
  SetModuleFilePathForTesting(std::string("tumbla"));
  testing::internal::CaptureStderr();
  const SettingsPlace first = ChooseSettingsPlace();
  const SettingsPlace second = ChooseSettingsPlace();
  const std::string told = testing::internal::GetCapturedStderr();
  const std::string folder = temp.DataHome().string() + "/tumbla/";
  EXPECT_EQ(first.folder, folder);
  EXPECT_EQ(first.file, folder + "Tumbla.ini");
  EXPECT_EQ(first.source, first.file);
  EXPECT_EQ(second.file, first.file);
  EXPECT_EQ(told, "Tumbla: the program's own folder cannot be found, so the settings are kept in " + folder + "\n");
}

}  // namespace
