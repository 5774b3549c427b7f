#include "persistence/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/data_file.h"
#include "persistence/settings_location.h"

RunLock::RunLock() {
  // A per-user folder is made now, before the first save would make it, so that every copy of
  // a shared install that this user starts finds the same folder to lock.
  const SettingsPlace place = ChooseSettingsPlace();
  CDataFile::AtPath(place.file).MakeFolders(false);
  m_fd = open(place.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (m_fd < 0) return;
  if (flock(m_fd, LOCK_EX | LOCK_NB) == 0) return;
  m_bHeld = errno != EWOULDBLOCK;
  close(m_fd);
  m_fd = -1;
}

RunLock::~RunLock() {
  if (m_fd >= 0) close(m_fd);
}
