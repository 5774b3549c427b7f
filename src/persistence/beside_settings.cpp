#include "persistence/settings_location.h"
#include "platform/core/text.h"

std::string BesideSettingsFile(std::u16string_view fileName) { return ChooseSettingsPlace().folder + ToUtf8(fileName); }
