#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "persistence/file_access.h"
#include "persistence/file_handle.h"

namespace {

constexpr std::size_t kReadBlock = 2048;
constexpr mode_t kNewFileMode = 0666;

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t wrote = write(fd, bytes.data(), bytes.size());
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

}  // namespace

// Reads in blocks until a short read, EFBIG past the bound. Opening does not wait: a pipe put in the file's place
// reads as empty instead of hanging the program.
int ReadWholeFile(const std::string& path, std::vector<BYTE>& bytes, std::size_t bound) {
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
    if (bytes.size() > bound) {
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

int AppendLine(const std::string& path, std::string_view header, std::string_view line) {
  bool bNew = false;
  FileHandle file(path, O_RDWR | O_APPEND | O_NONBLOCK);
  if (!file.IsOpen() && errno == ENOENT) {
    bNew = true;
    file = FileHandle(path, O_RDWR | O_APPEND | O_CREAT | O_EXCL, kNewFileMode);
  }
  if (!file.IsOpen()) return errno;
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) return errno;
  // A device or a pipe in the file's place is not ours to write to.
  if (!S_ISREG(info.st_mode)) return ENOTSUP;
  std::string bytes;
  if (info.st_size == 0) {
    bytes = header;
    bytes += '\n';
  } else {
    char last = '\n';
    if (pread(file.Get(), &last, 1, info.st_size - 1) != 1) return errno;
    if (last != '\n') bytes += '\n';
  }
  bytes += line;
  bytes += '\n';
  if (!WriteAll(file.Get(), bytes) || fsync(file.Get()) != 0) return errno;
  if (bNew && !FlushFolderOf(path)) return errno;
  return file.Close() ? 0 : errno;
}
