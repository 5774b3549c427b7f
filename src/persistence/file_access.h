#pragma once
// The few file calls that each system makes its own way, for the data file: the POSIX ones
// (file_access_posix.cpp) and the Windows ones (file_access_win32.cpp). Paths are in the
// system's bytes: on Windows, UTF-8 that becomes UTF-16 at every call.
#include <string>
#include <vector>

#include "platform/core/win_types.h"

// What separates a path's folders.
#ifdef _WIN32
constexpr char kPathSeparators[] = "\\/";
#else
constexpr char kPathSeparators[] = "/";
#endif

// The whole file; 0, or the system's error number.
int ReadWholeFile(const std::string& path, std::vector<BYTE>& bytes);
bool CanOpenForReading(const std::string& path);
// Nothing at all is at the path, not even the folders above it.
bool NothingAt(const std::string& path);
// Makes the missing folders above the file, each for this user alone. 0, or the system's
// error number.
int MakeFoldersAbove(const std::string& path);
bool RemoveFile(const std::string& path);
// The system's reason for its error number.
std::string SystemErrorText(int error);
