#pragma once
// An open file that closes itself.
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <utility>

class FileHandle {
 public:
  FileHandle() : m_fd(-1) {}
  // The path is taken from the open folder, or from the working folder with AT_FDCWD.
  FileHandle(int folder, const std::string& path, int flags, mode_t mode = 0)
      : m_fd(openat(folder, path.c_str(), flags | O_CLOEXEC, mode)) {}
  FileHandle(const std::string& path, int flags, mode_t mode = 0) : FileHandle(AT_FDCWD, path, flags, mode) {}
  FileHandle(FileHandle&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
  FileHandle& operator=(FileHandle&& other) noexcept {
    std::swap(m_fd, other.m_fd);
    return *this;
  }
  ~FileHandle() {
    if (m_fd >= 0) close(m_fd);
  }

  bool IsOpen() const { return m_fd >= 0; }
  int Get() const { return m_fd; }
  // Hands the file over to the caller, who closes it.
  int Release() { return std::exchange(m_fd, -1); }
  // Closes now, so that a failure to close is seen; false with errno set then.
  bool Close() { return close(std::exchange(m_fd, -1)) == 0; }

 private:
  int m_fd;
};
