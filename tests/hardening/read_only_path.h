#pragma once
// A file or folder that may not be written, whoever runs the tests: its write permissions
// taken away, or, for the superuser whom permissions do not bind, the file system's
// immutable flag set on it. Both are undone at the end.
#include <filesystem>
#include <string>

class ReadOnlyPath {
 public:
  explicit ReadOnlyPath(std::filesystem::path path);
  ~ReadOnlyPath();
  ReadOnlyPath(const ReadOnlyPath&) = delete;
  ReadOnlyPath& operator=(const ReadOnlyPath&) = delete;

  // False when neither way stops writes here; a test then has nothing to try.
  bool Holds() const { return !m_strReason.empty(); }
  // The system's reason a write is refused: a folder takes no new file, a file does not
  // open for writing.
  const std::string& Reason() const { return m_strReason; }

 private:
  bool SetImmutable(bool bImmutable) const;

  std::filesystem::path m_path;
  std::filesystem::perms m_permissions;
  bool m_bImmutable = false;
  std::string m_strReason;
};
