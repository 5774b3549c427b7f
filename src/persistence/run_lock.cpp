#include "persistence/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/data_file.h"

RunLock::RunLock() {
  const std::string folder = CDataFile::BuildPath(u"", false);
  m_fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (m_fd < 0) return;
  if (flock(m_fd, LOCK_EX | LOCK_NB) == 0) return;
  m_bHeld = errno != EWOULDBLOCK;
  close(m_fd);
  m_fd = -1;
}

RunLock::~RunLock() {
  if (m_fd >= 0) close(m_fd);
}
