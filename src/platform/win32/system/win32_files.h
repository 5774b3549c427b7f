#pragma once
// The Windows file calls the program needs, behind plain C++ types so that code above them
// never sees <windows.h>. A path is UTF-8 text here and becomes the system's UTF-16 at every
// call, so a folder named in any script works and no code page is ever involved. Errors are
// the system's codes (GetLastError).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace win32 {

// The executable's full path, with the system's backslashes.
std::string ModulePath();

// The whole file; 0, or the system's error code: ERROR_FILE_TOO_LARGE past maxBytes.
int ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t maxBytes);
bool CanOpenForReading(const std::string& path);
// Appends the line and its end in one write, flushed: the header line first into a new or
// empty file, and an end first after a last line without one; the folder flushed too when
// the file is new. 0, or the system's error code.
int AppendLine(const std::string& path, std::string_view header, std::string_view line);
// Nothing is at the path, not even the folders above it.
bool NothingAt(const std::string& path);
// Makes one folder; 0 when it is there afterwards, else the system's error code.
int MakeFolder(const std::string& path);
bool RemoveFile(const std::string& path);
// Puts on disk what the folder now names; false when it cannot.
bool FlushFolder(const std::string& folder);

// Writes the bytes to the new file `temporary` (created afresh), flushes them to the disk, then
// moves it over `path` in one step that is itself flushed: a crash at any moment leaves the
// old file or the new one, never a shortened one. A read-only file is refused, not replaced.
// 0, or the system's error code; the temporary is gone either way.
int ReplaceWithNewFile(const std::string& path, const std::string& temporary, std::span<const std::uint8_t> bytes);

// This user may make new files in the folder (tried with one that deletes itself).
bool MayCreateFilesIn(const std::string& folder);
// The user's roaming application data folder (%APPDATA%), without a separator at its end;
// empty when the system names none.
std::string ApplicationDataFolder();

// The system's text for its error code, on one line.
std::string ErrorText(int code);

// One holder at a time per folder, among all processes of the machine: a named mutex, so no
// file is left behind, and the system lets go when the holder ends, however it ends.
// Returns a lock number (0 or more) when this process now holds the folder, -1 when another
// does, -2 when the folder could not be locked at all.
int LockFolder(const std::string& folder);
void UnlockFolder(int lock);

}  // namespace win32
