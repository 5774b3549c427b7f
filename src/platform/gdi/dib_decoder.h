#pragma once
// Windows bitmap and icon files decoded from bytes that may be damaged: every size and
// offset is checked against the bytes before it is used.
#include <span>
#include <stdexcept>

#include "platform/gdi/gdi.h"

// The bytes are not an image this decoder reads (damaged, or a kind it does not read);
// what() says what is wrong with them.
class UnreadableImage : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Larger pictures than this are taken for damage: nothing the program shows comes near.
inline constexpr int MAX_IMAGE_SIDE = 16384;

// A .bmp file: 1, 4 or 8 bits per pixel with a palette, or 24 or 32 bits, uncompressed,
// bottom-up or top-down.
Surface DecodeBmpFile(std::span<const unsigned char> bytes);

// The entry of an .ico file with the most colours (the first of equals): a bitmap of
// 1, 4, 8, 24 or 32 bits per pixel followed by its AND mask.
Icon DecodeIcoFile(std::span<const unsigned char> bytes);
