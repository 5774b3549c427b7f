// Every input a fuzzer once found a fault with, and every seed, keeps passing its check.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "hardening/settings_round_trip.h"
#include "persistence/file_bytes.h"
#include "support/message_box_recorder.h"
#include "support/scoped_temp_folder.h"

namespace {

namespace fs = std::filesystem;

fs::path FuzzFolder() { return fs::path(std::getenv("TUMBLA_SOURCE_DIR")) / "tests" / "fuzz"; }

TEST(FuzzRegressions, SettingsFilesSurviveASaveAndAReload) {
  int checked = 0;
  for (const char* folder : {"regressions/settings_file", "corpus/settings_file"}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(FuzzFolder() / folder)) {
      ScopedTempFolder temp;
      MessageBoxRecorder boxes;
      const auto fault = SettingsRoundTripFault(FileBytes(entry.path()));
      EXPECT_FALSE(fault) << entry.path() << ": " << *fault;
      EXPECT_TRUE(boxes.Requests().empty()) << entry.path();
      ++checked;
    }
  }
  EXPECT_GE(checked, 6);
}

}  // namespace
