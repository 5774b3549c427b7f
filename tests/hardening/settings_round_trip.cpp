#include "hardening/settings_round_trip.h"

#include <filesystem>
#include <fstream>

#include "persistence/data_file.h"
#include "persistence/file_bytes.h"
#include "persistence/game_settings.h"

namespace {

std::filesystem::path SettingsPath() { return CDataFile(kSettingsFileName).GetSystemPath(); }

std::string SettingsBytes() { return FileBytes(SettingsPath()); }

bool SameRecord(const CGameSettings& a, const CGameSettings& b) {
  if (a.m_nAudio != b.m_nAudio || a.m_nColor != b.m_nColor || a.m_nSpeed != b.m_nSpeed) return false;
  for (int i = 0; i < kHiScoreCount; ++i) {
    if (a.m_nHiScore[i] != b.m_nHiScore[i] || a.m_strHiName[i] != b.m_strHiName[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> SettingsRoundTripFault(std::string_view fileBytes) {
  {
    std::ofstream out(SettingsPath(), std::ios::binary | std::ios::trunc);
    out.write(fileBytes.data(), static_cast<std::streamsize>(fileBytes.size()));
    if (!out.flush()) return "the input could not be put in place";
  }
  CGameSettings loaded;
  if (loaded.Save() == 0) return "the save failed";
  const std::string saved = SettingsBytes();
  if (saved.empty() || saved.back() != '\n') return "the saved file does not end with a line feed";
  CGameSettings reloaded;
  if (!SameRecord(loaded, reloaded)) return "the saved file loads to a different record";
  if (reloaded.Save() != saved.size() || SettingsBytes() != saved) return "saving the reloaded record changes the file";
  return std::nullopt;
}
