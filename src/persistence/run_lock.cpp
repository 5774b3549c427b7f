#include "persistence/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string_view>

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

// The process holding a lock on the file with that device and number, as the system's table
// of locks lists it: "1: FLOCK  ADVISORY  WRITE 4242 fe:00:1234 0 EOF". Waiters' lines,
// marked "->", hold nothing.
pid_t HolderOf(dev_t device, ino_t inode) {
  FILE* table = std::fopen("/proc/locks", "re");
  if (table == nullptr) return 0;
  pid_t holder = 0;
  char line[256];
  while (holder == 0 && std::fgets(line, sizeof line, table) != nullptr) {
    char kind[16] = {};
    long pid = 0;
    unsigned int major = 0;
    unsigned int minor = 0;
    unsigned long long number = 0;
    const bool bRead = std::sscanf(line, "%*d: %15s %*s %*s %ld %x:%x:%llu", kind, &pid, &major, &minor, &number) == 5;
    if (bRead && std::string_view(kind) == "FLOCK" && makedev(major, minor) == device && number == inode) {
      holder = static_cast<pid_t>(pid);
    }
  }
  std::fclose(table);
  return holder;
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
  struct stat locked {};
  if (!m_bHeld && fstat(handle.Get(), &locked) == 0) m_holder = HolderOf(locked.st_dev, locked.st_ino);
}

RunLock::~RunLock() {
  if (m_fd >= 0) close(m_fd);
}
