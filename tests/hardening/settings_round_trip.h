#pragma once
// Loads the bytes as the settings file in the folder the executable's path points into,
// saves the record, and loads the saved file again. The answer names the first way in
// which the second record or its file differs from the first; nothing when none does.
#include <optional>
#include <string>
#include <string_view>

std::optional<std::string> SettingsRoundTripFault(std::string_view fileBytes);
