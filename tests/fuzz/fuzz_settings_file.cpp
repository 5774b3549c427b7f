// Loads an arbitrary settings file, saves it, and loads the saved file again: the second
// record must equal the first, and saving it must give the same bytes. Any message box
// means a file operation failed in a folder that is ours, and counts as a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "hardening/settings_round_trip.h"
#include "persistence/text_util.h"
#include "platform/core/message_box.h"
#include "platform/core/text.h"
#include "support/scoped_temp_folder.h"

constinit CTextUtil theTextUtil;

namespace {

ScopedTempFolder folder;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool presenterInstalled = [] {
    SetMessageBoxPresenter([](const MessageBoxRequest& request) {
      std::fprintf(stderr, "message box: %s\n", ToUtf8(request.text).c_str());
      std::abort();
      return IDOK;
    });
    return true;
  }();
  (void)presenterInstalled;

  const auto fault = SettingsRoundTripFault(std::string_view(reinterpret_cast<const char*>(data), size));
  if (fault) {
    std::fprintf(stderr, "settings round trip: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
