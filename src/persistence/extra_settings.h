#pragma once
// The additions' own settings, in "Tumbla-extras.ini" beside "Tumbla.ini" (the same folder,
// chosen by the same rules), so that Tumbla.ini keeps the handheld's bytes. The file is
// tagged text as Tumbla.ini is; it is only written when a player changes an addition, so a
// player who never does finds no such file.
#include "platform/core/win_types.h"

constexpr char16_t kExtrasFileName[] = u"Tumbla-extras.ini";

class CExtraSettings {
 public:
  // The saved values, or the defaults when there is no file. A file that cannot be read is
  // reported and then never written over.
  void Load();
  // Replaces the file as Tumbla.ini is replaced, making its folder when missing. Returns the
  // file's length, 0 on failure.
  UINT Save();

  // The coach shows its advice; off unless the player turned it on.
  bool m_bCoach = false;

 private:
  bool m_bFileUnreadable = false;
};
