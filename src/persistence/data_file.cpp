#include "persistence/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>
#include <system_error>

#include "platform/core/message_box.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"

namespace {

constexpr std::size_t kReadBlock = 2048;
constexpr std::size_t kMaxReasonLength = 254;
constexpr char16_t kReadFailure[] = u"Error reading data from disk:\n";
constexpr char16_t kWriteFailure[] = u"Error exporting data to disk:\n";

// An open file that closes itself.
class FileHandle {
 public:
  FileHandle(const std::string& path, int flags, mode_t mode = 0) : m_fd(open(path.c_str(), flags | O_CLOEXEC, mode)) {}
  ~FileHandle() {
    if (m_fd >= 0) close(m_fd);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool IsOpen() const { return m_fd >= 0; }
  int Get() const { return m_fd; }
  // Closes now, so that a failure to close is seen; false with errno set then.
  bool Close() {
    const int fd = m_fd;
    m_fd = -1;
    return close(fd) == 0;
  }

 private:
  int m_fd;
};

void ShowFailure(const char16_t* prefix, int error, bool bShowErrors) {
  if (!bShowErrors) return;
  CString reason = FromUtf8(std::system_category().message(error));
  if (reason.size() > kMaxReasonLength) reason.resize(kMaxReasonLength);
  AfxMessageBox(prefix + reason, MB_OK);
}

// Reads in blocks until a short read. Returns 0, or the system's error number. Opening does
// not wait: a pipe put in the file's place reads as empty instead of hanging the program.
int ReadWhole(const std::string& path, std::vector<BYTE>& bytes) {
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
    if (static_cast<std::size_t>(got) < kReadBlock) return 0;
  }
}

bool WriteAll(int fd, std::span<const BYTE> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// The permissions of the file being replaced, or nothing for a new file. Returns the
// system's error number when the file exists but may not be written, as an in-place write
// would, else 0. A pipe without a reader fails at once rather than waiting for one.
int ProbeWritable(const std::string& path, std::optional<mode_t>& mode) {
  FileHandle file(path, O_WRONLY | O_NONBLOCK);
  if (!file.IsOpen()) return errno == ENOENT ? 0 : errno;
  struct stat info {};
  if (fstat(file.Get(), &info) != 0) return errno;
  mode = info.st_mode & 07777;
  return 0;
}

// Writes the bytes into the open file, forces them to disk and closes it; the length is the
// file's size on disk.
bool WriteDurably(FileHandle& file, std::span<const BYTE> bytes, UINT& length) {
  struct stat info {};
  if (!(WriteAll(file.Get(), bytes) && fsync(file.Get()) == 0 && fstat(file.Get(), &info) == 0 && file.Close())) {
    return false;
  }
  length = static_cast<UINT>(info.st_size);
  return true;
}

// Empties the file and writes the bytes into it. Returns 0, or the system's error number.
int RewriteInPlace(const std::string& path, std::span<const BYTE> bytes, UINT& length) {
  FileHandle file(path, O_WRONLY | O_TRUNC | O_NONBLOCK);
  if (!file.IsOpen()) return errno;
  return WriteDurably(file, bytes, length) ? 0 : errno;
}

// Writes the bytes to a fresh file beside the target, forces them to disk and renames it
// over the target, so that a crash leaves either the old file or the new one, and a failed
// write leaves the old one. A folder that takes no new file may still hold a file that can
// be written: that one is rewritten where it is rather than refused. Returns 0, or the
// system's error number.
int ReplaceWhole(const std::string& path, std::span<const BYTE> bytes, UINT& length) {
  std::optional<mode_t> mode;
  if (const int error = ProbeWritable(path, mode)) return error;
  const std::string temporary = path + "." + std::to_string(getpid()) + ".tmp";
  FileHandle file(temporary, O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (!file.IsOpen()) {
    const bool bFolderRefuses = errno == EACCES || errno == EPERM;
    return mode && bFolderRefuses ? RewriteInPlace(path, bytes, length) : errno;
  }
  UINT written = 0;
  const bool bReplaced = (!mode || fchmod(file.Get(), *mode) == 0) && WriteDurably(file, bytes, written) &&
                         rename(temporary.c_str(), path.c_str()) == 0;
  if (!bReplaced) {
    const int error = errno;
    unlink(temporary.c_str());
    return error;
  }
  length = written;
  return 0;
}

}  // namespace

CDataFile::CDataFile(std::u16string_view fileName) : m_strPath(BuildPath(fileName, false)) {}

CDataFile::CDataFile(std::u16string_view fileName, std::u16string_view subfolder)
    : m_strPath(subfolder.empty() ? BuildPath(fileName, false)
                                  : BuildPath(CString(subfolder) + u"/" + CString(fileName), true)) {}

CString CDataFile::BuildPath(std::u16string_view name, bool bForce) {
  if (!bForce && name.find(u'/') != std::u16string_view::npos) return CString(name);
  const CString module = GetModuleFilePath();
  const std::size_t slash = module.rfind(u'/');
  const CString folder = slash == CString::npos ? CString(u"/") : module.substr(0, slash + 1);
  return folder + CString(name);
}

bool CDataFile::Exists() const { return FileHandle(ToUtf8(m_strPath), O_RDONLY | O_NONBLOCK).IsOpen(); }

bool CDataFile::IsAbsent() const {
  struct stat info {};
  return stat(ToUtf8(m_strPath).c_str(), &info) != 0 && errno == ENOENT;
}

UINT CDataFile::ReadBytes(std::vector<BYTE>& bytes, bool bShowErrors) const {
  if (const int error = ReadWhole(ToUtf8(m_strPath), bytes)) {
    ShowFailure(kReadFailure, error, bShowErrors);
    return 0;
  }
  return static_cast<UINT>(bytes.size());
}

CString CDataFile::ReadText(bool bShowErrors) const {
  CString text;
  ReadText(text, bShowErrors);
  return text;
}

bool CDataFile::ReadText(CString& text, bool bShowErrors) const {
  std::vector<BYTE> bytes;
  const int error = ReadWhole(ToUtf8(m_strPath), bytes);
  if (error) ShowFailure(kReadFailure, error, bShowErrors);
  text.assign(bytes.begin(), bytes.end());
  return error == 0;
}

UINT CDataFile::WriteBytes(std::span<const BYTE> bytes, bool bShowErrors) const {
  UINT length = 0;
  if (const int error = ReplaceWhole(ToUtf8(m_strPath), bytes, length)) {
    ShowFailure(kWriteFailure, error, bShowErrors);
    return 0;
  }
  return length;
}

UINT CDataFile::WriteText(std::u16string_view text, bool bShowErrors) const {
  std::vector<BYTE> bytes;
  bytes.reserve(text.size());
  for (char16_t c : text) bytes.push_back(static_cast<BYTE>(c & 0xFF));
  return WriteBytes(bytes, bShowErrors);
}

bool CDataFile::Delete() const { return unlink(ToUtf8(m_strPath).c_str()) == 0; }
