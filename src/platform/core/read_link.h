#pragma once
// What a symbolic link says, read with the system call itself: the C++ library's way pulls
// its whole locale machinery into the program, and with it a few hundred kilobytes of memory.

#include <string>

// Puts the link's text in target. Returns 0, or the system's error number.
int ReadLink(const std::string& path, std::string& target);
