#include "persistence/data_file.h"

#include <string>
#include <utility>

#include "persistence/file_access.h"
#include "persistence/safe_replace.h"
#include "platform/core/message_box.h"
#include "platform/core/module_path.h"
#include "platform/core/text.h"

namespace {

constexpr std::size_t kMaxReasonLength = 254;
// A path longer than the system takes is shown by its end, where its own folders are.
constexpr std::size_t kMaxShownPathLength = 254;
constexpr char16_t kReadFailure[] = u"Error reading data from disk:\n";

// The file or folder is named, so that the player knows which one to see to.
void ShowFailure(const char16_t* prefix, const std::string& path, int error, bool bShowErrors) {
  if (!bShowErrors) return;
  CString reason = FromUtf8(SystemErrorText(error));
  if (reason.size() > kMaxReasonLength) reason.resize(kMaxReasonLength);
  AfxMessageBox(prefix + PathForShowing(path) + u"\n" + reason, MB_OK);
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
  return module.substr(0, module.find_last_of(kPathSeparators) + 1) + ToUtf8(name);
}

CString CDataFile::GetPath() const { return FromUtf8(m_path); }

CString UnreadFileKeptMessage(const std::string& path) {
  return kWriteFailurePrefix + PathForShowing(path) +
         u" could not be read when the game started, so it is left as it was.";
}

CString PathForShowing(const std::string& path) {
  CString text = FromUtf8(path);
  if (text.size() > kMaxShownPathLength) text = u"\u2026" + text.substr(text.size() - kMaxShownPathLength);
  return text;
}

bool CDataFile::Exists() const { return CanOpenForReading(m_path); }

bool CDataFile::IsAbsent() const { return NothingAt(m_path); }

UINT CDataFile::ReadBytes(std::vector<BYTE>& bytes, bool bShowErrors) const {
  if (const int error = ReadWholeFile(m_path, bytes)) {
    ShowFailure(kReadFailure, m_path, error, bShowErrors);
    return 0;
  }
  return static_cast<UINT>(bytes.size());
}

int CDataFile::ReadBytesWithin(std::vector<BYTE>& bytes, std::size_t bound, bool bShowErrors) const {
  const int error = ReadWholeFile(m_path, bytes, bound);
  if (error) ShowFailure(kReadFailure, m_path, error, bShowErrors);
  return error;
}

CString CDataFile::ReadText(bool bShowErrors) const {
  CString text;
  ReadText(text, bShowErrors);
  return text;
}

bool CDataFile::ReadText(CString& text, bool bShowErrors) const {
  std::vector<BYTE> bytes;
  const int error = ReadWholeFile(m_path, bytes);
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
  std::string folder;
  if (const int error = MakeFoldersAbove(m_path, folder)) {
    ShowFailure(kWriteFailurePrefix, folder, error, bShowErrors);
    return false;
  }
  return true;
}

void CDataFile::RemoveLeftovers() const { RemoveLeftoverTemporaries(m_path); }

bool CDataFile::Delete() const { return RemoveFile(m_path); }
