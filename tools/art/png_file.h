#pragma once
// Saving a picture as a PNG file, for looking at the art.
#include <filesystem>

#include "platform/gdi/gdi.h"

// False, with the reason on standard error, when the file cannot be written.
bool WritePng(const Surface& picture, const std::filesystem::path& path);
