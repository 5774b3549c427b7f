#pragma once
// One data file beside the program's executable, read or written whole in one call.
// Failures to open come back as an empty or zero result and, when asked for, as a message
// box with the system's reason.
#include <span>
#include <string_view>
#include <vector>

#include "platform/core/win_types.h"

class CDataFile {
 public:
  explicit CDataFile(std::u16string_view fileName);
  // The file in a folder below the executable's.
  CDataFile(std::u16string_view fileName, std::u16string_view subfolder);
  virtual ~CDataFile() = default;

  // A name holding a '/' is already a full path unless bForce; otherwise the name goes into
  // the executable's folder.
  static CString BuildPath(std::u16string_view name, bool bForce);

  const CString& GetPath() const { return m_strPath; }

  // The file can be opened for reading. Never shows a message.
  bool Exists() const;
  // Nothing at all is at the path, as opposed to something that cannot be opened.
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
  // Replaces the file with the bytes; the old file stays whole until the new one is
  // complete on disk. Returns the file's length after writing, 0 on failure.
  UINT WriteBytes(std::span<const BYTE> bytes, bool bShowErrors) const;

  // True when the file was removed.
  bool Delete() const;

 private:
  CString m_strPath;
};
