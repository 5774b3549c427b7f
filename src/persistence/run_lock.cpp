#include "persistence/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "persistence/data_file.h"
#include "persistence/file_handle.h"
#include "persistence/safe_replace.h"
#include "persistence/settings_location.h"

namespace {

// The folder a save writes in, or, where that folder may be written but not read, the file
// itself: a save there writes over it where it is, so the file stays the one it was.
FileHandle OpenLockTarget(const std::string& file) {
  std::string target;
  if (FollowLinks(file, target) != 0) target = file;
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  FileHandle handle(folder, O_RDONLY | O_DIRECTORY);
  if (handle.IsOpen() || errno != EACCES) return handle;
  handle = FileHandle(target, O_RDONLY | O_NONBLOCK);
  if (!handle.IsOpen()) handle = FileHandle(target, O_WRONLY | O_NONBLOCK);
  return handle;
}

}  // namespace

RunLock::RunLock() {
  // A per-user folder is made now, before the first save would make it, so that every copy of
  // a shared install that this user starts finds the same folder to lock.
  const SettingsPlace place = ChooseSettingsPlace();
  CDataFile::AtPath(place.file).MakeFolders(false);
  FileHandle handle = OpenLockTarget(place.file);
  if (!handle.IsOpen()) return;
  if (flock(handle.Get(), LOCK_EX | LOCK_NB) == 0) {
    m_fd = handle.Release();
    return;
  }
  m_bHeld = errno != EWOULDBLOCK;
}

RunLock::~RunLock() {
  if (m_fd >= 0) close(m_fd);
}
