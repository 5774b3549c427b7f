// Both formats carry a device-independent bitmap: an information header, a palette for the
// paletted depths, then rows of pixels, each padded to four bytes. An icon's bitmap counts
// its rows twice in the header, because its AND mask (one bit a pixel) follows the colours.
#include "platform/gdi/dib_decoder.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::span<const unsigned char>;

constexpr std::uint32_t INFO_HEADER_SIZE = 40;

// The part of the bytes that holds `what`.
Bytes Slice(Bytes bytes, std::uint64_t at, std::uint64_t count, const std::string& what) {
  if (at > bytes.size() || count > bytes.size() - at) throw UnreadableImage("the data is too short for " + what);
  return bytes.subspan(static_cast<std::size_t>(at), static_cast<std::size_t>(count));
}

std::uint32_t LittleEndian(Bytes bytes, std::uint64_t at, int size, const std::string& what) {
  const Bytes field = Slice(bytes, at, static_cast<std::uint64_t>(size), what);
  std::uint32_t value = 0;
  for (std::size_t i = field.size(); i > 0; --i) value = value << 8 | field[i - 1];
  return value;
}

struct DibLayout {
  std::uint32_t headerSize = 0;
  int width = 0;
  int height = 0;  // of the picture, without an icon's mask
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t paletteSize = 0;  // entries; none for 24 and 32 bits per pixel

  static std::uint64_t Stride(int width, int bitsPerPixel) {
    return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitsPerPixel) + 31) / 32 * 4;
  }
  std::uint64_t Stride() const { return Stride(width, bitsPerPixel); }
  std::uint64_t PixelBytes() const { return Stride() * static_cast<std::uint64_t>(height); }
  std::uint64_t PaletteEnd() const { return headerSize + std::uint64_t{paletteSize} * 4; }
};

bool IsKnownBitmapHeaderSize(std::uint32_t size) {
  // The information header and its later versions (2 to 5), which only add fields.
  return size == INFO_HEADER_SIZE || size == 52 || size == 56 || size == 108 || size == 124;
}

int CheckedSide(std::int64_t side, const char* name) {
  if (side <= 0 || side > MAX_IMAGE_SIDE) {
    throw UnreadableImage("the bitmap's " + std::string(name) + " of " + std::to_string(side) +
                          " pixels is outside 1 to " + std::to_string(MAX_IMAGE_SIDE));
  }
  return static_cast<int>(side);
}

DibLayout ReadDibHeader(Bytes dib, bool ofIcon) {
  DibLayout layout;
  layout.headerSize = LittleEndian(dib, 0, 4, "the bitmap header");
  if (ofIcon ? layout.headerSize != INFO_HEADER_SIZE : !IsKnownBitmapHeaderSize(layout.headerSize)) {
    throw UnreadableImage("a bitmap header of " + std::to_string(layout.headerSize) + " bytes is not one this reads");
  }
  const Bytes header = Slice(dib, 0, layout.headerSize, "the bitmap header");
  const auto field = [&](std::uint64_t at, int size) { return LittleEndian(header, at, size, "the bitmap header"); };

  layout.width = CheckedSide(static_cast<std::int32_t>(field(4, 4)), "width");
  const std::int64_t height = static_cast<std::int32_t>(field(8, 4));
  if (ofIcon) {
    if (height <= 0) throw UnreadableImage("an icon's bitmap must run bottom-up, with a positive height");
    layout.height = CheckedSide(height / 2, "height");
  } else {
    layout.topDown = height < 0;
    layout.height = CheckedSide(height < 0 ? -height : height, "height");
  }
  if (const std::uint32_t planes = field(12, 2); planes != 1) {
    throw UnreadableImage("a bitmap of " + std::to_string(planes) + " planes is not one this reads");
  }
  layout.bitsPerPixel = static_cast<int>(field(14, 2));
  if (const std::uint32_t compression = field(16, 4); compression != 0) {
    throw UnreadableImage("compressed bitmaps (method " + std::to_string(compression) + ") are not read");
  }
  switch (layout.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
      const std::uint32_t indexable = 1u << layout.bitsPerPixel;
      const std::uint32_t used = field(32, 4);
      if (used > indexable) {
        throw UnreadableImage("a palette of " + std::to_string(used) + " colours is more than " +
                              std::to_string(layout.bitsPerPixel) + " bits a pixel can index");
      }
      layout.paletteSize = used == 0 ? indexable : used;
      break;
    }
    case 24:
    case 32: break;
    default: throw UnreadableImage(std::to_string(layout.bitsPerPixel) + " bits per pixel is not a depth this reads");
  }
  return layout;
}

std::vector<COLORREF> ReadPalette(Bytes dib, const DibLayout& layout) {
  const Bytes entries = Slice(dib, layout.headerSize, std::uint64_t{layout.paletteSize} * 4, "the palette");
  std::vector<COLORREF> palette;
  palette.reserve(layout.paletteSize);
  for (std::size_t i = 0; i < entries.size(); i += 4) {
    palette.push_back(RGB(entries[i + 2], entries[i + 1], entries[i]));
  }
  return palette;
}

// Calls visit(y, row) for every row, y counted from the picture's top; rows holds height
// rows of stride bytes.
template <typename Visit>
void ForEachRow(Bytes rows, int height, std::uint64_t stride, bool topDown, Visit visit) {
  for (int stored = 0; stored < height; ++stored) {
    const Bytes row = rows.subspan(static_cast<std::size_t>(stride) * static_cast<std::size_t>(stored),
                                   static_cast<std::size_t>(stride));
    visit(topDown ? stored : height - 1 - stored, row);
  }
}

// Calls visit(x, y, row) for every pixel, as ForEachRow does for every row.
template <typename Visit>
void ForEachPixel(Bytes rows, int width, int height, std::uint64_t stride, bool topDown, Visit visit) {
  ForEachRow(rows, height, stride, topDown, [&](int y, Bytes row) {
    for (int x = 0; x < width; ++x) visit(x, y, row);
  });
}

// The value of pixel x in a row of bits-wide values packed from each byte's top bit down.
unsigned PackedValue(Bytes row, int x, int bits) {
  const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
  return row[bit / 8] >> (8 - bits - static_cast<int>(bit % 8)) & ((1u << bits) - 1);
}

COLORREF PaletteColour(unsigned index, const std::vector<COLORREF>& palette) {
  if (index >= palette.size()) {
    throw UnreadableImage("colour " + std::to_string(index) + " lies past the palette of " +
                          std::to_string(palette.size()));
  }
  return palette[index];
}

COLORREF PixelColour(Bytes row, int x, int bits, const std::vector<COLORREF>& palette) {
  const std::size_t at = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
  if (bits >= 24) return RGB(row[at + 2], row[at + 1], row[at]);
  return PaletteColour(PackedValue(row, x, bits), palette);
}

Surface ReadColours(Bytes rows, const DibLayout& layout, const std::vector<COLORREF>& palette) {
  Surface image(layout.width, layout.height);
  ForEachRow(rows, layout.height, layout.Stride(), layout.topDown, [&](int y, Bytes row) {
    COLORREF* pixels = image.Row(y);
    if (layout.bitsPerPixel == 8) {
      // The board and most pictures: one byte a pixel, read without unpacking bits.
      for (int x = 0; x < layout.width; ++x) pixels[x] = PaletteColour(row[static_cast<std::size_t>(x)], palette);
    } else {
      for (int x = 0; x < layout.width; ++x) pixels[x] = PixelColour(row, x, layout.bitsPerPixel, palette);
    }
  });
  return image;
}

bool HoldsPng(Bytes bytes) {
  constexpr unsigned char SIGNATURE[] = {0x89, 'P', 'N', 'G'};
  return bytes.size() >= sizeof SIGNATURE && std::equal(std::begin(SIGNATURE), std::end(SIGNATURE), bytes.begin());
}

// The directory entry with the most colours; the first of equals.
Bytes ChosenIconImage(Bytes bytes) {
  const Bytes directory = Slice(bytes, 0, 6, "the icon directory");
  if (LittleEndian(directory, 0, 2, "the icon directory") != 0 ||
      LittleEndian(directory, 2, 2, "the icon directory") != 1) {
    throw UnreadableImage("the data is not an icon file");
  }
  const std::uint32_t count = LittleEndian(directory, 4, 2, "the icon directory");
  if (count == 0) throw UnreadableImage("the icon file holds no image");
  const Bytes entries = Slice(bytes, 6, std::uint64_t{count} * 16, "the icon directory");
  Bytes chosen;
  unsigned mostColours = 0;
  for (std::size_t at = 0; at < entries.size(); at += 16) {
    const unsigned colours = entries[at + 2] == 0 ? 256 : entries[at + 2];
    if (colours > mostColours) {
      mostColours = colours;
      chosen = entries.subspan(at, 16);
    }
  }
  const std::uint32_t size = LittleEndian(chosen, 8, 4, "the icon directory");
  const std::uint32_t offset = LittleEndian(chosen, 12, 4, "the icon directory");
  return Slice(bytes, offset, size, "the icon's image");
}

}  // namespace

Surface DecodeBmpFile(std::span<const unsigned char> bytes) {
  const Bytes fileHeader = Slice(bytes, 0, 14, "the file header");
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') throw UnreadableImage("the data is not a bitmap file");
  const std::uint32_t pixelsAt = LittleEndian(fileHeader, 10, 4, "the file header");
  const Bytes dib = bytes.subspan(fileHeader.size());
  const DibLayout layout = ReadDibHeader(dib, false);
  const std::vector<COLORREF> palette = ReadPalette(dib, layout);
  return ReadColours(Slice(bytes, pixelsAt, layout.PixelBytes(), "the pixel rows"), layout, palette);
}

Icon DecodeIcoFile(std::span<const unsigned char> bytes) {
  const Bytes dib = ChosenIconImage(bytes);
  if (HoldsPng(dib)) throw UnreadableImage("icons holding PNG images are not read");
  const DibLayout layout = ReadDibHeader(dib, true);
  const std::vector<COLORREF> palette = ReadPalette(dib, layout);
  const Bytes colours = Slice(dib, layout.PaletteEnd(), layout.PixelBytes(), "the icon's colour rows");
  const std::uint64_t maskStride = DibLayout::Stride(layout.width, 1);
  const Bytes mask = Slice(dib, layout.PaletteEnd() + layout.PixelBytes(),
                           maskStride * static_cast<std::uint64_t>(layout.height), "the icon's mask");

  Icon icon{ReadColours(colours, layout, palette), {}};
  icon.opaque.resize(static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(layout.height));
  const auto at = [&](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(layout.width) + static_cast<std::size_t>(x);
  };
  ForEachPixel(mask, layout.width, layout.height, maskStride, false,
               [&](int x, int y, Bytes row) { icon.opaque[at(x, y)] = PackedValue(row, x, 1) == 0; });
  // A 32-bit icon's own alpha makes a pixel opaque as well, whatever its mask says.
  if (layout.bitsPerPixel == 32) {
    ForEachPixel(colours, layout.width, layout.height, layout.Stride(), false, [&](int x, int y, Bytes row) {
      if (row[static_cast<std::size_t>(x) * 4 + 3] >= 0x80) icon.opaque[at(x, y)] = true;
    });
  }
  return icon;
}
