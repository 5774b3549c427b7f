#pragma once
// One copy of the program at a time per settings folder: each copy saves the whole file as
// it ends, so a second one would overwrite the first's new high scores with its own. The
// lock is on the folder a save writes in, the end of the settings file's links, so two
// folders whose files lead to one file share it; nothing is left behind, a read-only folder
// can still be locked, and the system drops it when the holder ends, however it ends.
#include <sys/types.h>

class RunLock {
 public:
  // Tries to lock the folder the settings file is saved in (settings_location.h).
  RunLock();
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  // False when another copy holds the folder; true when this one does, or when the folder
  // cannot be locked at all (then nothing could be saved there either).
  bool Held() const { return m_bHeld; }
  // The process of the other copy, when the system tells it; 0 otherwise.
  pid_t Holder() const { return m_holder; }

 private:
  int m_fd = -1;  // the open folder; on Windows, the lock's number
  bool m_bHeld = true;
  pid_t m_holder = 0;
};
