#pragma once
// One data file, beside the program's executable unless named by its full path, read or
// written whole in one call. Failures to open come back as an empty or zero result and, when
// asked for, as a message box naming the file (or the folder that could not be made) and
// giving the system's reason. Every read stops at a bound, 1 MiB unless the reader names its
// own: a longer file fails as too large, whatever it is.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/win_types.h"

// The first line of every box about a file that could not be written.
constexpr char16_t kWriteFailurePrefix[] = u"Error exporting data to disk:\n";

class CDataFile {
 public:
  explicit CDataFile(std::u16string_view fileName);
  // The file in a folder below the executable's.
  CDataFile(std::u16string_view fileName, std::u16string_view subfolder);
  virtual ~CDataFile() = default;
  // The file at a full path in the system's bytes, wherever it is.
  static CDataFile AtPath(std::string systemPath);

  // A name holding a '/' is already a full path unless bForce; otherwise the name goes into
  // the executable's folder. The path is in the system's bytes, as the executable's is.
  static std::string BuildPath(std::u16string_view name, bool bForce);

  // The path as the file calls take it, and as text for showing.
  const std::string& GetSystemPath() const { return m_path; }
  CString GetPath() const;

  // The file can be opened for reading. Never shows a message.
  bool Exists() const;
  // Nothing at all is at the path, not even the folders above it, or the path is too long
  // to name anything, as opposed to something that cannot be opened.
  bool IsAbsent() const;

  // The whole file, one character per byte (ISO 8859-1); empty on failure.
  CString ReadText(bool bShowErrors) const;
  // The same, telling an unreadable file from an empty one: false on failure.
  bool ReadText(CString& text, bool bShowErrors) const;
  // Replaces the file with the low 8 bits of each character. Returns the file's length
  // after writing, 0 on failure.
  UINT WriteText(std::u16string_view text, bool bShowErrors) const;

  // The whole file; returns the number of bytes read, 0 on failure.
  UINT ReadBytes(std::vector<BYTE>& bytes, bool bShowErrors) const;
  // The whole file up to the bound (instead of 1 MiB). Returns 0, or the system's error
  // number (the system's "too large" past the bound).
  int ReadBytesWithin(std::vector<BYTE>& bytes, std::size_t bound, bool bShowErrors) const;
  // Replaces the file with the bytes, as ReplaceFileContents does: a kill or a failure at
  // any moment leaves the old file or the new one. Returns the file's length after
  // writing, 0 on failure.
  UINT WriteBytes(std::span<const BYTE> bytes, bool bShowErrors) const;
  // Makes the missing folders above the file, each for this user alone, as the per-user data
  // folders should be. False, shown as a failed write when asked for, when one cannot be made.
  bool MakeFolders(bool bShowErrors) const;
  // Removes what saves that were killed left beside the file.
  void RemoveLeftovers() const;

  // True when the file was removed.
  bool Delete() const;

 private:
  CDataFile() = default;

  std::string m_path;
};

// A path as a message box shows it: as text, and by its end when it is very long.
CString PathForShowing(const std::string& path);

// The box of a save that keeps a file it could not read when the game started.
CString UnreadFileKeptMessage(const std::string& path);
