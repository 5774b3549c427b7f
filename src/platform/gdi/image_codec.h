#pragma once
// Image files: the program's bitmap and icon resources decoded from their bytes.
#include <optional>
#include <span>
#include <string>

#include "platform/gdi/gdi.h"

// A Windows bitmap file: 1, 4 or 8 bits per pixel with a palette, or 24 or 32 bits,
// uncompressed. Nothing when the bytes are not one this reads, and then, when whyNot is
// given, the reason in it.
std::optional<Surface> DecodeBitmapImage(std::span<const unsigned char> bytes, std::string* whyNot = nullptr);

// The image of an icon file with the most colours, its AND mask (and a 32-bit image's own
// alpha) as the opaque flags; failing as above.
std::optional<Icon> DecodeIconImage(std::span<const unsigned char> bytes, std::string* whyNot = nullptr);
