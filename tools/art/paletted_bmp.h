#pragma once
// Writing a picture as an 8-bit-per-pixel Windows bitmap with a colour table.
#include <cstdint>
#include <vector>

#include "platform/gdi/gdi.h"

struct PalettedPicture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> palette;      // at most 256 colours
  std::vector<std::uint8_t> indexes;  // width * height, row after row from the top
};

// Every colour of the picture when there are at most 256; otherwise the 256 most used,
// and every other pixel takes the nearest of them. Ties go to the lower colour value,
// so the same picture always gives the same bytes.
PalettedPicture ReduceToPalette(const Surface& picture);

// The whole file: file header, information header, colour table, rows from the bottom.
std::vector<std::uint8_t> EncodeBmp(const PalettedPicture& picture);
