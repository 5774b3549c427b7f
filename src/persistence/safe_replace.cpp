#include "persistence/safe_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <random>
#include <string_view>
#include <utility>

#include "persistence/file_handle.h"
#include "platform/core/read_link.h"

namespace {

// A temporary is named after its file, this mark and a few letters or digits, so that a
// leftover can be told from anything else in the folder.
constexpr char kTemporaryMark[] = ".tumbla-save-";
constexpr std::string_view kNameLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kNoiseLength = 6;
constexpr int kNameAttempts = 100;
// As many links as the system itself follows in one path.
constexpr int kMaxLinks = 40;
// A new file may be read and written by all whom the user's file-creation mask lets.
constexpr mode_t kNewFileMode = 0666;

struct Location {
  std::string folder;
  std::string name;
};

Location Split(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::function<std::string()>& NoiseForTesting() {
  static std::function<std::string()> noise;
  return noise;
}

std::string FreshName(const std::string& file) {
  std::string name = file + kTemporaryMark;
  if (NoiseForTesting()) return name + NoiseForTesting()();
  std::random_device noise;
  std::uniform_int_distribution<std::size_t> letter(0, kNameLetters.size() - 1);
  for (std::size_t i = 0; i < kNoiseLength; ++i) name += kNameLetters[letter(noise)];
  return name;
}

bool IsTemporaryOf(std::string_view entry, const std::string& file) {
  const std::string prefix = file + kTemporaryMark;
  return entry.size() == prefix.size() + kNoiseLength && entry.starts_with(prefix) &&
         std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                     [](char c) { return kNameLetters.find(c) != std::string_view::npos; });
}

bool WriteAllAt(int fd, std::span<const BYTE> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// The new file until it has taken the old one's place: unnamed where the file system has
// such files, else under a fresh name that nothing held before. Never an existing file, so
// a link planted in the folder cannot turn a save into a write somewhere else. Removed if
// it never gets to its place.
class Temporary {
 public:
  Temporary(int folder, std::string target) : m_folder(folder), m_target(std::move(target)) {}
  ~Temporary() {
    if (!m_name.empty()) unlinkat(m_folder, m_name.c_str(), 0);
  }
  Temporary(const Temporary&) = delete;
  Temporary& operator=(const Temporary&) = delete;

  // Returns 0, or the system's error number.
  int Create() {
    if (!NoiseForTesting()) {
      m_file = FileHandle(m_folder, ".", O_WRONLY | O_TMPFILE, kNewFileMode);
      if (m_file.IsOpen()) return 0;
      if (errno != EOPNOTSUPP && errno != EISDIR) return errno;
    }
    return ClaimFreshName([this](const std::string& name) {
      m_file = FileHandle(m_folder, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, kNewFileMode);
      return m_file.IsOpen() ? 0 : errno;
    });
  }

  int Get() const { return m_file.Get(); }

  // Names the file if it has no name yet, renames it over the target and closes it. Returns
  // 0, or the system's error number: ESTALE when something else than the file written took
  // the target's name, as a link swapped in for the named file before the rename would. The
  // file stays open until that is known, so that its number cannot pass to another file.
  int PutInPlace() {
    struct stat written {};
    if (fstat(m_file.Get(), &written) != 0) return errno;
    if (m_name.empty()) {
      const std::string self = "/proc/self/fd/" + std::to_string(m_file.Get());
      const int error = ClaimFreshName([this, &self](const std::string& name) {
        return linkat(AT_FDCWD, self.c_str(), m_folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
      });
      if (error) return error;
    }
    if (renameat(m_folder, m_name.c_str(), m_folder, m_target.c_str()) != 0) return errno;
    m_name.clear();
    struct stat placed {};
    if (fstatat(m_folder, m_target.c_str(), &placed, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    if (placed.st_dev != written.st_dev || placed.st_ino != written.st_ino) return ESTALE;
    return m_file.Close() ? 0 : errno;
  }

 private:
  template <typename Claim>
  int ClaimFreshName(Claim claim) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
      const std::string name = FreshName(m_target);
      const int error = claim(name);
      if (error == 0) m_name = name;
      if (error != EEXIST) return error;
    }
    return EEXIST;
  }

  int m_folder;
  std::string m_target;
  FileHandle m_file;
  std::string m_name;
};

// The new file takes the old one's owner, group and permissions, the owner first, as a
// change of owner clears the set-id bits. Returns 0, or the system's error number.
int TakeOwnerAndMode(int fd, const struct stat& old) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return errno;
  const bool bOtherOwner = info.st_uid != old.st_uid || info.st_gid != old.st_gid;
  if (bOtherOwner && fchown(fd, old.st_uid, old.st_gid) != 0) return errno;
  return fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
}

// Writes over the old bytes and only then cuts what is left of them, never emptying the
// file first. A kill leaves the old text, the new one, or the new one followed by the end of
// the old: the settings file's reader takes the first line of each tag, and the new text
// holds every tag, so that last state reads as the new text. Where the file system can, the
// room is taken before anything is written, so that a full disk fails with the old file
// untouched.
int RewriteInPlace(FileHandle& file, std::span<const BYTE> bytes, UINT& length) {
  const off_t size = static_cast<off_t>(bytes.size());
  if (size > 0 && fallocate(file.Get(), FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP) return errno;
  struct stat info {};
  if (!(WriteAllAt(file.Get(), bytes) && fsync(file.Get()) == 0 && ftruncate(file.Get(), size) == 0 &&
        fsync(file.Get()) == 0 && fstat(file.Get(), &info) == 0 && file.Close())) {
    return errno;
  }
  length = static_cast<UINT>(info.st_size);
  return 0;
}

}  // namespace

int FollowLinks(std::string path, std::string& target) {
  for (int link = 0; link < kMaxLinks; ++link) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 && errno != ENOENT) return errno;
    if (!S_ISLNK(info.st_mode)) {
      target = path;
      return 0;
    }
    std::string next;
    if (const int error = ReadLink(path, next); error != 0) return error;
    if (next.starts_with('/')) {
      path = next;
    } else {
      path = Split(path).folder;
      path += '/';
      path += next;
    }
  }
  return ELOOP;
}

int ReplaceFileContents(const std::string& path, std::span<const BYTE> bytes, UINT& length) {
  std::string target;
  if (const int error = FollowLinks(path, target)) return error;
  const Location where = Split(target);
  FileHandle folder(where.folder, O_RDONLY | O_DIRECTORY);
  // A folder that may be written but not read cannot be flushed, so a rename there would not
  // last: the file in it is written over where it is, and none can be made there.
  const bool bUnreadableFolder = !folder.IsOpen() && errno == EACCES;
  if (bUnreadableFolder) folder = FileHandle(where.folder, O_PATH | O_DIRECTORY);
  if (!folder.IsOpen()) return errno;

  // Opening the old file for writing tells at once whether it may be written, as an
  // in-place write would need; a pipe without a reader fails rather than waiting for one.
  FileHandle old(folder.Get(), where.name, O_WRONLY | O_NONBLOCK | O_NOFOLLOW);
  struct stat oldInfo {};
  if (old.IsOpen()) {
    if (fstat(old.Get(), &oldInfo) != 0) return errno;
    // A device or a pipe in the file's place is not ours to replace.
    if (!S_ISREG(oldInfo.st_mode)) return ENOTSUP;
  } else if (errno != ENOENT) {
    return errno;
  }

  if (bUnreadableFolder) return old.IsOpen() ? RewriteInPlace(old, bytes, length) : EACCES;

  Temporary temporary(folder.Get(), where.name);
  if (const int error = temporary.Create()) {
    const bool bFolderRefuses = error == EACCES || error == EPERM || error == EROFS;
    return old.IsOpen() && bFolderRefuses ? RewriteInPlace(old, bytes, length) : error;
  }
  if (old.IsOpen()) {
    const int error = TakeOwnerAndMode(temporary.Get(), oldInfo);
    if (error == EPERM) return RewriteInPlace(old, bytes, length);
    if (error) return error;
  }
  struct stat info {};
  if (!(WriteAllAt(temporary.Get(), bytes) && fsync(temporary.Get()) == 0 && fstat(temporary.Get(), &info) == 0)) {
    return errno;
  }
  if (const int error = temporary.PutInPlace()) return error;
  // The rename is only lasting once the folder is.
  if (fsync(folder.Get()) != 0) return errno;
  length = static_cast<UINT>(info.st_size);
  return 0;
}

void NameTemporariesForTesting(std::function<std::string()> noise) { NoiseForTesting() = std::move(noise); }

void RemoveLeftoverTemporaries(const std::string& path) {
  std::string target;
  if (FollowLinks(path, target) != 0) return;
  const Location where = Split(target);
  DIR* folder = opendir(where.folder.c_str());
  if (folder == nullptr) return;
  while (const dirent* entry = readdir(folder)) {
    struct stat info {};
    if (IsTemporaryOf(entry->d_name, where.name) &&
        fstatat(dirfd(folder), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)) {
      unlinkat(dirfd(folder), entry->d_name, 0);
    }
  }
  closedir(folder);
}
