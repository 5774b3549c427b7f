#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "persistence/file_access.h"
#include "persistence/file_handle.h"

namespace {
constexpr std::size_t kReadBlock = 2048;
}  // namespace

// Reads in blocks until a short read, EFBIG past the bound. Opening does not wait: a pipe put in the file's place
// reads as empty instead of hanging the program.
int ReadWholeFile(const std::string& path, std::vector<BYTE>& bytes) {
  bytes.clear();
  FileHandle file(path, O_RDONLY | O_NONBLOCK);
  if (!file.IsOpen()) return errno;
  for (;;) {
    const std::size_t had = bytes.size();
    bytes.resize(had + kReadBlock);
    ssize_t got;
    do {
      got = read(file.Get(), bytes.data() + had, kReadBlock);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
      bytes.clear();
      return errno;
    }
    bytes.resize(had + static_cast<std::size_t>(got));
    if (bytes.size() > kMaxReadBytes) {
      bytes.clear();
      return EFBIG;
    }
    if (static_cast<std::size_t>(got) < kReadBlock) return 0;
  }
}

bool CanOpenForReading(const std::string& path) { return FileHandle(path, O_RDONLY | O_NONBLOCK).IsOpen(); }

bool NothingAt(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG);
}

int MakeFoldersAbove(const std::string& path, std::string& failed) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) continue;
    if (mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
      failed = folder;
      return errno;
    }
  }
  return 0;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool FlushFolderOf(const std::string& path) {
  const FileHandle folder(path.substr(0, path.rfind('/')), O_RDONLY | O_DIRECTORY);
  return folder.IsOpen() && fsync(folder.Get()) == 0;
}

std::string SystemErrorText(int error) { return std::system_category().message(error); }
