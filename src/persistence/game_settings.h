#pragma once
// The options and the high-score table, kept in "Tumbla.ini" beside the executable or in the
// user's data folder (settings_location.h). The one record, theSettings, loads the file when it is constructed and
// writes it back when it is destroyed; in between the program reads and writes the fields directly.
#include "platform/core/win_types.h"

constexpr int kHiScoreCount = 10;
constexpr char16_t kSettingsFileName[] = u"Tumbla.ini";

class CGameSettings {
 public:
  CGameSettings();
  virtual ~CGameSettings();
  CGameSettings(const CGameSettings&) = delete;
  CGameSettings& operator=(const CGameSettings&) = delete;

  // Fills the record from the file that settings_location.h chooses; without any file, takes
  // the defaults and creates it. A file that is there but cannot be read is reported; the
  // defaults are played with and that file is never written over, so the table in it
  // survives. What saves that were killed left beside the file goes first.
  void Load();
  // Writes options and table, replacing the file, whose folder is made when missing. Returns
  // the file's length, 0 on failure.
  UINT Save();
  void SetDefaults();
  // The default table; the options stay as they are.
  void ResetHiScores();

  // Options: exactly 1 means on, fast, red; anything else off, slower, white.
  int m_nAudio = 0;
  int m_nSpeed = 0;
  int m_nColor = 0;
  // Best first.
  int m_nHiScore[kHiScoreCount] = {};
  CString m_strHiName[kHiScoreCount];

 private:
  bool m_bFileUnreadable = false;
};

extern CGameSettings theSettings;
