#pragma once
// The few file calls that each system makes its own way, for the data file: the POSIX ones
// (file_access_posix.cpp) and the Windows ones (file_access_win32.cpp). Paths are in the
// system's bytes: on Windows, UTF-8 that becomes UTF-16 at every call.
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/win_types.h"

// What separates a path's folders.
#ifdef _WIN32
constexpr char kPathSeparators[] = "\\/";
#else
constexpr char kPathSeparators[] = "/";
#endif

// Far above any table the program writes; a file without end (a link to /dev/zero) or one
// grown past this is not one of ours, and reading it whole could take all the memory there is.
constexpr std::size_t kMaxReadBytes = std::size_t{1} << 20;

// The whole file; 0, or the system's error number: the system's "too large" past the bound.
int ReadWholeFile(const std::string& path, std::vector<BYTE>& bytes, std::size_t bound = kMaxReadBytes);
// Appends the line (with its end) to a file of lines in one write, flushed: a new or empty
// file gets the header line first, and a last line without its end (a kill in the middle of
// an earlier append) is ended first, so the new line is never joined to it; the folder is
// flushed too when the file is new. 0, or the system's error number.
int AppendLine(const std::string& path, std::string_view header, std::string_view line);
bool CanOpenForReading(const std::string& path);
// Nothing at all is at the path, not even the folders above it; a path longer than the system
// takes can hold nothing either.
bool NothingAt(const std::string& path);
// Makes the missing folders above the file, each for this user alone. 0, or the system's
// error number with the folder that could not be made in `failed`.
int MakeFoldersAbove(const std::string& path, std::string& failed);
bool RemoveFile(const std::string& path);
// Puts on disk what the folder of the file at the path now names; false when it cannot.
bool FlushFolderOf(const std::string& path);
// The system's reason for its error number.
std::string SystemErrorText(int error);
