// The bitmap and icon decoder: every program resource decodes to the very pixels it always
// has, every depth and row order reads right, and damaged bytes fail with their reason
// without a read outside them (the sanitizer build watches for that).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/image_codec.h"
#include "platform/gdi/png_file.h"
#include "platform/headless/golden.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

std::uint64_t Checksum(const Surface& image, const std::vector<bool>& opaque = {}) {
  std::uint64_t sum = 0xcbf29ce484222325u;  // 64-bit FNV-1a
  const auto add = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) sum = (sum ^ ((value >> (8 * i)) & 0xFF)) * 0x100000001b3u;
  };
  add(static_cast<std::uint32_t>(image.Width()), 4);
  add(static_cast<std::uint32_t>(image.Height()), 4);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) add(image.Pixel(x, y), 4);
  }
  for (bool flag : opaque) add(flag ? 1 : 0, 1);
  return sum;
}

struct RecordedPicture {
  const char* file;  // under src/resources
  int width;
  int height;
  std::uint64_t checksum;  // of the pixels (and an icon's mask) as the program always decoded them
};

// Repainted resources need their new line here: make sure the new picture looks right first.
constexpr RecordedPicture kResources[] = {
    {"bitmaps/bitmap_142.bmp", 240, 268, 0x09e1dcabd0e29297}, {"bitmaps/bitmap_172.bmp", 48, 38, 0x76fbe23c9edd95a7},
    {"bitmaps/bitmap_179.bmp", 169, 23, 0x2634f0e57e4f49bc},  {"bitmaps/bitmap_180.bmp", 182, 62, 0xbc0adf9043947774},
    {"bitmaps/bitmap_181.bmp", 184, 57, 0xb44c2030fde817b5},  {"bitmaps/bitmap_182.bmp", 186, 59, 0xc611f71667d24465},
    {"bitmaps/bitmap_183.bmp", 106, 18, 0x0d96cc06dcb52944},  {"bitmaps/bitmap_184.bmp", 197, 40, 0xcf9d26f076b8678e},
    {"bitmaps/bitmap_185.bmp", 89, 35, 0x5a9539f043844cb1},   {"bitmaps/bitmap_186.bmp", 154, 98, 0x7fd02db16a026844},
    {"icons/icon_128.ico", 32, 32, 0x8efc463f2462752b},       {"icons/icon_129.ico", 32, 32, 0x80c1e5a57f28fa50},
    {"icons/icon_130.ico", 32, 32, 0x6c8032dfe6001790},       {"icons/icon_131.ico", 32, 32, 0xe980b0ac9663b4d0},
    {"icons/icon_132.ico", 32, 32, 0x90545452dc02b990},       {"icons/icon_133.ico", 32, 32, 0x0b3371f1afd803d0},
    {"icons/icon_134.ico", 32, 32, 0x232604c4bf618410},       {"icons/icon_135.ico", 32, 32, 0x27b63ed574450992},
    {"icons/icon_136.ico", 32, 32, 0xd0ddb8dcdb9d7797},       {"icons/icon_137.ico", 32, 32, 0xf035020d2eb4c602},
    {"icons/icon_138.ico", 32, 32, 0x8d8b5844c31c6d2b},       {"icons/icon_139.ico", 32, 32, 0x4504b85a143e468e},
    {"icons/icon_140.ico", 32, 32, 0x8efc463f2462752b},       {"icons/icon_141.ico", 32, 32, 0x6366ca313e50c5ee},
};

fs::path ResourceFolder() { return SourceTreePath("src/resources"); }

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Decodes from a heap block of exactly the bytes' size, so that a read past them is caught.
template <typename Decode>
auto DecodeExactly(Decode decode, const Bytes& bytes, std::string* whyNot) {
  const auto block = std::make_unique<unsigned char[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), block.get());
  return decode(std::span<const unsigned char>(block.get(), bytes.size()), whyNot);
}

// A bitmap comes back as an icon without a mask.
std::optional<Icon> Decode(bool icon, const Bytes& bytes, std::string* whyNot) {
  if (icon) return DecodeExactly(DecodeIconImage, bytes, whyNot);
  std::optional<Surface> image = DecodeExactly(DecodeBitmapImage, bytes, whyNot);
  return image ? std::optional<Icon>(Icon{std::move(*image), {}}) : std::nullopt;
}

// ---- files put together field by field ------------------------------------------------------

// Little-endian fields, each a value and its size in bytes.
void Put(Bytes& out, std::initializer_list<std::pair<std::uint32_t, int>> fields) {
  for (const auto& [value, size] : fields) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
  }
}

void PutBgr(Bytes& out, COLORREF c) {
  out.insert(out.end(), {static_cast<unsigned char>(GetBValue(c)), static_cast<unsigned char>(GetGValue(c)),
                         static_cast<unsigned char>(GetRValue(c))});
}

void PutAt(Bytes& out, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
}

// The picture every depth is tried with: odd-sized, so that rows need padding.
constexpr int kWidth = 5;
constexpr int kHeight = 3;

bool Paletted(int bits) { return bits <= 8; }
unsigned Colours(int bits) { return Paletted(bits) ? (bits == 1 ? 2u : 6u) : 0u; }
unsigned ColourIndex(int x, int y, int bits) { return static_cast<unsigned>(x + 2 * y) % (bits == 1 ? 2u : 6u); }
COLORREF PaletteColour(unsigned index) {
  const int i = static_cast<int>(index);
  return RGB(40 * i, 255 - 30 * i, 7 * i);
}
COLORREF ExpectedColour(int x, int y, int bits) {
  return Paletted(bits) ? PaletteColour(ColourIndex(x, y, bits)) : RGB(50 * x, 80 * y, 255 - 40 * x);
}

// A row of the picture as stored, padded to four bytes.
Bytes PixelRow(int y, int bits) {
  Bytes row;
  unsigned packed = 0;
  int filled = 0;
  for (int x = 0; x < kWidth; ++x) {
    const COLORREF c = ExpectedColour(x, y, bits);
    if (!Paletted(bits)) {
      PutBgr(row, c);
      if (bits == 32) row.push_back(0);
      continue;
    }
    packed = packed << bits | ColourIndex(x, y, bits);
    filled += bits;
    if (filled == 8 || x == kWidth - 1) {
      row.push_back(static_cast<unsigned char>(packed << (8 - filled)));
      packed = 0;
      filled = 0;
    }
  }
  row.resize((row.size() + 3) / 4 * 4);
  return row;
}

// Information header, palette and rows; for an icon the header counts the mask's rows too.
Bytes Dib(int bits, bool topDown, bool icon) {
  Bytes dib;
  const auto height = static_cast<std::uint32_t>(icon ? 2 * kHeight : topDown ? -kHeight : kHeight);
  Put(dib, {{40, 4}, {kWidth, 4}, {height, 4}, {1, 2}, {static_cast<std::uint32_t>(bits), 2}});
  Put(dib, {{0, 4}, {0, 4}, {0, 4}, {0, 4}, {Colours(bits), 4}, {0, 4}});
  for (unsigned i = 0; i < Colours(bits); ++i) {
    PutBgr(dib, PaletteColour(i));
    dib.push_back(0);
  }
  for (int stored = 0; stored < kHeight; ++stored) {
    const Bytes row = PixelRow(topDown ? stored : kHeight - 1 - stored, bits);
    dib.insert(dib.end(), row.begin(), row.end());
  }
  return dib;
}

constexpr std::size_t kBmpPixelsAtField = 10;
constexpr std::size_t kBmpInfoHeader = 14;

Bytes BmpFile(int bits, bool topDown = false) {
  const Bytes dib = Dib(bits, topDown, false);
  Bytes file = {'B', 'M'};
  const auto size = static_cast<std::uint32_t>(kBmpInfoHeader + dib.size());
  Put(file, {{size, 4}, {0, 4}, {static_cast<std::uint32_t>(kBmpInfoHeader + 40 + 4 * Colours(bits)), 4}});
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

// Transparent where x + y is a multiple of 3.
bool MaskedOut(int x, int y) { return (x + y) % 3 == 0; }

Bytes IconImage(int bits) {
  Bytes image = Dib(bits, false, true);
  for (int y = kHeight - 1; y >= 0; --y) {
    unsigned char mask = 0;
    for (int x = 0; x < kWidth; ++x) mask = static_cast<unsigned char>(mask | (MaskedOut(x, y) ? 0x80 >> x : 0));
    image.insert(image.end(), {mask, 0, 0, 0});
  }
  return image;
}

constexpr std::size_t kIcoFirstEntry = 6;
constexpr std::size_t kIcoEntrySize = 16;

// An icon file of the images in order, each with its directory entry's colour count.
Bytes IcoFile(const std::vector<std::pair<unsigned, Bytes>>& images) {
  Bytes file;
  Put(file, {{0, 2}, {1, 2}, {static_cast<std::uint32_t>(images.size()), 2}});
  std::size_t at = kIcoFirstEntry + kIcoEntrySize * images.size();
  for (const auto& [colours, image] : images) {
    file.insert(file.end(), {kWidth, kHeight, static_cast<unsigned char>(colours), 0});
    Put(file, {{1, 2}, {0, 2}, {static_cast<std::uint32_t>(image.size()), 4}, {static_cast<std::uint32_t>(at), 4}});
    at += image.size();
  }
  for (const auto& entry : images) file.insert(file.end(), entry.second.begin(), entry.second.end());
  return file;
}

Bytes IcoFile(int bits) { return IcoFile({{bits <= 8 ? 1u << bits : 0u, IconImage(bits)}}); }

// ---- the tests ----------------------------------------------------------------------------

TEST(ImageDecoder, EveryResourceDecodesToItsRecordedPixels) {
  std::size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(ResourceFolder())) {
    files += entry.path().extension() == ".bmp" || entry.path().extension() == ".ico" ? 1 : 0;
  }
  EXPECT_EQ(files, std::size(kResources)) << "a picture without its recorded line";
  for (const RecordedPicture& recorded : kResources) {
    SCOPED_TRACE(recorded.file);
    std::string whyNot;
    const std::optional<Icon> decoded =
        Decode(fs::path(recorded.file).extension() == ".ico", ReadFile(ResourceFolder() / recorded.file), &whyNot);
    ASSERT_TRUE(decoded.has_value()) << whyNot;
    EXPECT_EQ(decoded->image.Width(), recorded.width);
    EXPECT_EQ(decoded->image.Height(), recorded.height);
    EXPECT_EQ(Checksum(decoded->image, decoded->opaque), recorded.checksum);
  }
}

TEST(ImageDecoder, EveryDepthReadsTheSamePictureBottomUpTopDownAndAsIconWithItsMask) {
  for (int bits : {1, 4, 8, 24, 32}) {
    for (const char* form : {"bottom-up", "top-down", "icon"}) {
      SCOPED_TRACE(testing::Message() << bits << " bits, " << form);
      const bool icon = form == std::string("icon");
      std::string whyNot;
      const std::optional<Icon> decoded =
          Decode(icon, icon ? IcoFile(bits) : BmpFile(bits, form == std::string("top-down")), &whyNot);
      ASSERT_TRUE(decoded.has_value()) << whyNot;
      ASSERT_EQ(decoded->image.Width(), kWidth);
      ASSERT_EQ(decoded->image.Height(), kHeight);
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
          EXPECT_EQ(decoded->image.Pixel(x, y), ExpectedColour(x, y, bits)) << x << "," << y;
          if (icon) {
            EXPECT_EQ(decoded->opaque[static_cast<std::size_t>(y * kWidth + x)], !MaskedOut(x, y)) << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(ImageDecoder, IconTakesTheImageWithTheMostColoursAndA32BitImagesAlpha) {
  Bytes truecolour = IconImage(32);
  truecolour[40 + 4 + 3] = 0xFF;  // the alpha of (1, bottom row), a pixel the mask leaves out
  const Bytes file = IcoFile({{2, IconImage(1)}, {0, truecolour}, {16, IconImage(4)}});
  const std::optional<Icon> icon = DecodeIconImage(file);
  ASSERT_TRUE(icon.has_value());
  EXPECT_EQ(icon->image.Pixel(1, 0), ExpectedColour(1, 0, 32));
  ASSERT_TRUE(MaskedOut(1, kHeight - 1) && MaskedOut(0, 0));
  EXPECT_TRUE(icon->opaque[static_cast<std::size_t>((kHeight - 1) * kWidth + 1)]);
  EXPECT_FALSE(icon->opaque[0]);
}

TEST(ImageDecoder, EveryTruncationFailsWithoutReadingPastTheData) {
  for (const bool icon : {false, true}) {
    const Bytes whole = icon ? IcoFile(4) : BmpFile(4);
    for (std::size_t size = 0; size < whole.size(); ++size) {
      std::string whyNot;
      EXPECT_FALSE(Decode(icon, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)), &whyNot));
      EXPECT_NE(whyNot.find("too short"), std::string::npos) << icon << " " << size << ": " << whyNot;
    }
  }
}

struct DamagedCase {
  const char* name;
  bool icon;
  std::function<void(Bytes&)> damage;  // applied to the good 8-bit file
  const char* reason;                  // found in the failure's text
};

// Where a bitmap file's information header starts, and a one-image icon's image.
constexpr std::size_t kInfo = kBmpInfoHeader;
constexpr std::size_t kIcoImage = kIcoFirstEntry + kIcoEntrySize;

const DamagedCase kDamaged[] = {
    {"not a bitmap file", false, [](Bytes& b) { b[0] = 'P'; }, "not a bitmap file"},
    {"pixel offset past the end", false, [](Bytes& b) { PutAt(b, kBmpPixelsAtField, 0xFFFFFFF0u, 4); }, "pixel rows"},
    {"pixel offset one byte late", false, [](Bytes& b) { PutAt(b, kBmpPixelsAtField, b[kBmpPixelsAtField] + 1u, 4); },
     "pixel rows"},
    {"unknown header size", false, [](Bytes& b) { PutAt(b, kInfo, 64, 4); }, "header of 64 bytes"},
    {"header size past the end", false, [](Bytes& b) { PutAt(b, kInfo, 124, 4); }, "bitmap header"},
    {"zero width", false, [](Bytes& b) { PutAt(b, kInfo + 4, 0, 4); }, "width of 0"},
    {"negative width", false, [](Bytes& b) { PutAt(b, kInfo + 4, 0xFFFFFFFBu, 4); }, "width of -5"},
    {"huge width", false, [](Bytes& b) { PutAt(b, kInfo + 4, 0x7FFFFFFF, 4); }, "width of 2147483647"},
    {"zero height", false, [](Bytes& b) { PutAt(b, kInfo + 8, 0, 4); }, "height of 0"},
    {"most negative height", false, [](Bytes& b) { PutAt(b, kInfo + 8, 0x80000000u, 4); }, "height of 2147483648"},
    {"big but allowed sides", false,
     [](Bytes& b) {
       PutAt(b, kInfo + 4, 16384, 4);
       PutAt(b, kInfo + 8, 16384, 4);
     },
     "pixel rows"},
    {"two planes", false, [](Bytes& b) { PutAt(b, kInfo + 12, 2, 2); }, "2 planes"},
    {"zero bits per pixel", false, [](Bytes& b) { PutAt(b, kInfo + 14, 0, 2); }, "0 bits per pixel"},
    {"16 bits per pixel", false, [](Bytes& b) { PutAt(b, kInfo + 14, 16, 2); }, "16 bits per pixel"},
    {"run-length compressed", false, [](Bytes& b) { PutAt(b, kInfo + 16, 1, 4); }, "compressed"},
    {"palette larger than 8 bits index", false, [](Bytes& b) { PutAt(b, kInfo + 32, 257, 4); }, "257 colours"},
    {"palette past the end", false, [](Bytes& b) { PutAt(b, kInfo + 32, 256, 4); }, "palette"},
    {"colour index past the palette", false, [](Bytes& b) { b[b[kBmpPixelsAtField]] = 200; }, "colour 200"},
    {"a cursor, not an icon", true, [](Bytes& b) { PutAt(b, 2, 2, 2); }, "not an icon file"},
    {"no images", true, [](Bytes& b) { PutAt(b, 4, 0, 2); }, "no image"},
    {"more images than the directory holds", true, [](Bytes& b) { PutAt(b, 4, 0xFFFF, 2); }, "icon directory"},
    {"image offset past the end", true, [](Bytes& b) { PutAt(b, kIcoFirstEntry + 12, 0xFFFFFFFFu, 4); },
     "icon's image"},
    {"image size past the end", true, [](Bytes& b) { PutAt(b, kIcoFirstEntry + 8, 0xFFFFFFFFu, 4); }, "icon's image"},
    {"image too small for its mask", true,
     [](Bytes& b) { PutAt(b, kIcoFirstEntry + 8, static_cast<std::uint32_t>(b.size() - kIcoImage - 1), 4); },
     "icon's mask"},
    {"icon header of a later version", true, [](Bytes& b) { PutAt(b, kIcoImage, 108, 4); }, "header of 108 bytes"},
    {"top-down icon", true, [](Bytes& b) { PutAt(b, kIcoImage + 8, static_cast<std::uint32_t>(-6), 4); }, "bottom-up"},
    {"icon of one row with its mask", true, [](Bytes& b) { PutAt(b, kIcoImage + 8, 1, 4); }, "height of 0"},
    {"PNG inside", true, [](Bytes& b) { std::copy_n("\x89PNG", 4, b.begin() + kIcoImage); }, "PNG"},
};

TEST(ImageDecoder, DamagedFilesFailWithTheirReason) {
  for (const DamagedCase& damaged : kDamaged) {
    SCOPED_TRACE(damaged.name);
    Bytes bytes = damaged.icon ? IcoFile(8) : BmpFile(8);
    damaged.damage(bytes);
    std::string whyNot;
    EXPECT_FALSE(Decode(damaged.icon, bytes, &whyNot));
    EXPECT_NE(whyNot.find(damaged.reason), std::string::npos) << whyNot;
  }
}

TEST(ImageDecoder, DamagedPngFilesReadAsNothing) {
  const fs::path path = fs::temp_directory_path() / ("decoder_png_" + std::to_string(getpid()) + ".png");
  ASSERT_TRUE(WritePng(Surface(7, 5, RGB(9, 8, 7)), path.string()));
  const Bytes whole = ReadFile(path);
  for (const std::size_t kept : {std::size_t{0}, std::size_t{8}, whole.size() / 2, whole.size() - 1}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(whole.data()), static_cast<std::streamsize>(kept));
    EXPECT_FALSE(ReadPng(path.string()).has_value()) << kept << " of " << whole.size() << " bytes";
  }
  fs::remove(path);
  EXPECT_FALSE(WritePng(Surface(), path.string()));
  EXPECT_FALSE(fs::exists(path));
}

}  // namespace
