#pragma once
// PNG files read and written: screenshots and the reference images of tests. A library of
// its own, so that the game itself does not load libpng.
#include <optional>
#include <string>

#include "platform/gdi/gdi.h"

// An 8-bit RGB file; false, with the reason on standard error, when it cannot be written.
bool WritePng(const Surface& surface, const std::string& path);
// Any PNG file's colours (alpha dropped); nothing when it is missing or unreadable.
std::optional<Surface> ReadPng(const std::string& path);
