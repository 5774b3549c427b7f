#include "hardening/read_only_path.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Empty when the write goes through, else the system's reason.
std::string WriteRefusal(const fs::path& path) {
  const bool bFolder = fs::is_directory(path);
  const fs::path target = bFolder ? path / ".write-probe" : path;
  const int fd = open(target.c_str(), bFolder ? O_WRONLY | O_CREAT | O_EXCL : O_WRONLY, 0600);
  if (fd < 0) return std::system_category().message(errno);
  close(fd);
  if (bFolder) unlink(target.c_str());
  return {};
}

}  // namespace

ReadOnlyPath::ReadOnlyPath(fs::path path) : m_path(std::move(path)), m_permissions(fs::status(m_path).permissions()) {
  fs::permissions(m_path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  m_strReason = WriteRefusal(m_path);
  if (Holds()) return;
  m_bImmutable = SetImmutable(true);
  if (m_bImmutable) m_strReason = WriteRefusal(m_path);
}

ReadOnlyPath::~ReadOnlyPath() {
  if (m_bImmutable) SetImmutable(false);
  std::error_code error;
  fs::permissions(m_path, m_permissions, error);
}

bool ReadOnlyPath::SetImmutable(bool bImmutable) const {
  const int fd = open(m_path.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return false;
  int flags = 0;
  bool bDone = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (bDone) {
    flags = bImmutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    bDone = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  close(fd);
  return bDone;
}
