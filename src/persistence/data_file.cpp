#include "persistence/data_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

#include "persistence/file_handle.h"
#include "persistence/safe_replace.h"
#include "platform/core/message_box.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"

namespace {

constexpr std::size_t kReadBlock = 2048;
// Far above any table the program writes; a file without end (a link to /dev/zero) or one
// grown past this is not one of ours, and reading it whole could take all the memory there is.
constexpr std::size_t kMaxReadBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxReasonLength = 254;
// A path longer than the system takes is shown by its end, where its own folders are.
constexpr std::size_t kMaxShownPathLength = 254;
constexpr char16_t kReadFailure[] = u"Error reading data from disk:\n";

// The file or folder is named, so that the player knows which one to see to.
void ShowFailure(const char16_t* prefix, const std::string& path, int error, bool bShowErrors) {
  if (!bShowErrors) return;
  CString reason = FromUtf8(std::system_category().message(error));
  if (reason.size() > kMaxReasonLength) reason.resize(kMaxReasonLength);
  AfxMessageBox(prefix + PathForShowing(path) + u"\n" + reason, MB_OK);
}

// Reads in blocks until a short read. Returns 0, or the system's error number: EFBIG past
// the bound. Opening does not wait: a pipe put in the file's place reads as empty instead
// of hanging the program.
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
    if (bytes.size() > kMaxReadBytes) {
      bytes.clear();
      return EFBIG;
    }
    if (static_cast<std::size_t>(got) < kReadBlock) return 0;
  }
}

}  // namespace

CDataFile::CDataFile(std::u16string_view fileName) : m_path(BuildPath(fileName, false)) {}

CDataFile::CDataFile(std::u16string_view fileName, std::u16string_view subfolder)
    : m_path(subfolder.empty() ? BuildPath(fileName, false)
                               : BuildPath(CString(subfolder) + u"/" + CString(fileName), true)) {}

CDataFile CDataFile::AtPath(std::string systemPath) {
  CDataFile file;
  file.m_path = std::move(systemPath);
  return file;
}

std::string CDataFile::BuildPath(std::u16string_view name, bool bForce) {
  if (!bForce && name.find(u'/') != std::u16string_view::npos) return ToUtf8(name);
  const std::string module = GetModuleFileBytes();
  // Without the executable's path there is no folder to name, and the root is not it.
  return module.substr(0, module.rfind('/') + 1) + ToUtf8(name);
}

CString CDataFile::GetPath() const { return FromUtf8(m_path); }

CString PathForShowing(const std::string& path) {
  CString text = FromUtf8(path);
  if (text.size() > kMaxShownPathLength) text = u"\u2026" + text.substr(text.size() - kMaxShownPathLength);
  return text;
}

bool CDataFile::Exists() const { return FileHandle(m_path, O_RDONLY | O_NONBLOCK).IsOpen(); }

bool CDataFile::IsAbsent() const {
  struct stat info {};
  // A path longer than the system takes can hold nothing either.
  return stat(m_path.c_str(), &info) != 0 && (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG);
}

UINT CDataFile::ReadBytes(std::vector<BYTE>& bytes, bool bShowErrors) const {
  if (const int error = ReadWhole(m_path, bytes)) {
    ShowFailure(kReadFailure, m_path, error, bShowErrors);
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
  const int error = ReadWhole(m_path, bytes);
  if (error) ShowFailure(kReadFailure, m_path, error, bShowErrors);
  text.assign(bytes.begin(), bytes.end());
  return error == 0;
}

UINT CDataFile::WriteBytes(std::span<const BYTE> bytes, bool bShowErrors) const {
  UINT length = 0;
  if (const int error = ReplaceFileContents(m_path, bytes, length)) {
    ShowFailure(kWriteFailurePrefix, m_path, error, bShowErrors);
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

bool CDataFile::MakeFolders(bool bShowErrors) const {
  for (std::size_t slash = m_path.find('/', 1); slash != std::string::npos; slash = m_path.find('/', slash + 1)) {
    const std::string folder = m_path.substr(0, slash);
    struct stat info {};
    if (stat(folder.c_str(), &info) == 0) continue;
    if (mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
      ShowFailure(kWriteFailurePrefix, folder, errno, bShowErrors);
      return false;
    }
  }
  return true;
}

void CDataFile::RemoveLeftovers() const { RemoveLeftoverTemporaries(m_path); }

bool CDataFile::Delete() const { return unlink(m_path.c_str()) == 0; }
