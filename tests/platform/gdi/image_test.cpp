#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "gdi_test_support.h"
#include "platform/core/resources.h"
#include "platform/gdi/image_codec.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 153, 51);
// Palette entries of the standard 16 colours used below.
constexpr COLORREF kPalette[16] = {RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
                                   RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
                                   RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
                                   RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

void Put16(std::vector<unsigned char>& out, unsigned value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void Put32(std::vector<unsigned char>& out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutPalette(std::vector<unsigned char>& out) {
  for (COLORREF c : kPalette) {
    out.insert(out.end(), {static_cast<unsigned char>(GetBValue(c)), static_cast<unsigned char>(GetGValue(c)),
                           static_cast<unsigned char>(GetRValue(c)), 0});
  }
}

void PutInfoHeader(std::vector<unsigned char>& out, int width, int height, int bits) {
  Put32(out, 40);
  Put32(out, static_cast<unsigned>(width));
  Put32(out, static_cast<unsigned>(height));
  Put16(out, 1);
  Put16(out, static_cast<unsigned>(bits));
  for (int i = 0; i < 6; ++i) Put32(out, i == 4 ? 16 : 0);
}

// A 32 x 32 icon of 16 colours: palette index (x + y) % 16, opaque only where opaque(x, y).
template <typename Opaque>
std::vector<unsigned char> MakeIcon(Opaque opaque) {
  std::vector<unsigned char> image;
  PutInfoHeader(image, 32, 64, 4);
  PutPalette(image);
  for (int y = 31; y >= 0; --y) {
    for (int x = 0; x < 32; x += 2) {
      image.push_back(static_cast<unsigned char>((((x + y) % 16) << 4) | ((x + 1 + y) % 16)));
    }
  }
  for (int y = 31; y >= 0; --y) {
    for (int byte = 0; byte < 4; ++byte) {
      unsigned char bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if (!opaque(byte * 8 + bit, y)) bits = static_cast<unsigned char>(bits | (0x80 >> bit));
      }
      image.push_back(bits);
    }
  }
  std::vector<unsigned char> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, 1);
  file.insert(file.end(), {32, 32, 16, 0});
  Put16(file, 1);
  Put16(file, 4);
  Put32(file, static_cast<unsigned>(image.size()));
  Put32(file, 22);
  file.insert(file.end(), image.begin(), image.end());
  return file;
}

bool InsideDiamond(int x, int y) { return std::abs(x - 16) + std::abs(y - 16) < 12; }

TEST(Icons, DecodedImageKeepsColoursAndMask) {
  const std::optional<Icon> icon = DecodeIconImage(MakeIcon(InsideDiamond));
  ASSERT_TRUE(icon.has_value());
  ASSERT_EQ(icon->image.Width(), 32);
  ASSERT_EQ(icon->image.Height(), 32);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      EXPECT_EQ(icon->opaque[static_cast<std::size_t>(y * 32 + x)], InsideDiamond(x, y)) << x << "," << y;
      if (InsideDiamond(x, y)) {
        EXPECT_EQ(icon->image.Pixel(x, y), kPalette[(x + y) % 16]) << x << "," << y;
      }
    }
  }
}

TEST(Icons, DrawingThroughTheMaskLeavesWhatLiesBeneath) {
  const std::vector<unsigned char> bytes = MakeIcon(InsideDiamond);
  const ResourceEntry table[] = {{ResourceType::Icon, 129, u"", bytes}};
  SetResourceTable(table);
  HICON icon = LoadIconW(129);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(LoadIconW(129), icon);
  EXPECT_EQ(LoadIconW(130), nullptr);
  TestCanvas canvas(40, 40, kGreen);
  EXPECT_TRUE(DrawIconEx(&canvas.Dc(), 5, 3, icon, 0, 0, 0, nullptr, DI_NORMAL));
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool drawn = x >= 5 && x < 37 && y >= 3 && y < 35 && InsideDiamond(x - 5, y - 3);
      EXPECT_EQ(canvas.Pixels().Pixel(x, y), drawn ? kPalette[(x - 5 + y - 3) % 16] : kGreen) << x << "," << y;
    }
  }
  SetResourceTable({});
}

TEST(Icons, IconPartlyOutsideTheTargetIsClipped) {
  const std::optional<Icon> icon = DecodeIconImage(MakeIcon([](int, int) { return true; }));
  ASSERT_TRUE(icon.has_value());
  TestCanvas canvas(10, 10, kGreen);
  EXPECT_TRUE(DrawIconEx(&canvas.Dc(), -30, 5, &*icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(canvas.Count(kGreen), 100 - 2 * 5);
  EXPECT_EQ(canvas.Pixels().Pixel(1, 5), kPalette[(31 + 0) % 16]);
}

TEST(Bitmaps, PalettedBitmapDecodes) {
  std::vector<unsigned char> info;
  PutInfoHeader(info, 3, 2, 8);
  PutPalette(info);
  const unsigned char rows[] = {9, 10, 12, 0, 15, 0, 7, 0};  // bottom row first, padded to 4 bytes
  std::vector<unsigned char> file = {'B', 'M'};
  Put32(file, static_cast<unsigned>(14 + info.size() + sizeof rows));
  Put32(file, 0);
  Put32(file, static_cast<unsigned>(14 + info.size()));
  file.insert(file.end(), info.begin(), info.end());
  file.insert(file.end(), std::begin(rows), std::end(rows));
  const std::optional<Surface> image = DecodeBitmapImage(file);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->Pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(image->Pixel(2, 0), RGB(192, 192, 192));
  EXPECT_EQ(image->Pixel(0, 1), RGB(255, 0, 0));
  EXPECT_EQ(image->Pixel(2, 1), RGB(0, 0, 255));
  EXPECT_FALSE(DecodeBitmapImage(std::vector<unsigned char>{'B', 'M', 0}).has_value());
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(142));
}

TEST(Png, WrittenFileReadsBackPixelForPixel) {
  Surface surface(5, 4, RGB(0, 102, 51));
  surface.SetPixel(4, 3, RGB(1, 2, 3));
  surface.SetPixel(0, 0, RGB(255, 255, 255));
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("gdi_png_" + std::to_string(getpid()) + ".png");
  ASSERT_TRUE(WritePng(surface, path.string()));
  const std::optional<Surface> back = ReadPng(path.string());
  std::filesystem::remove(path);
  ASSERT_TRUE(back.has_value());
  ASSERT_EQ(back->Width(), 5);
  ASSERT_EQ(back->Height(), 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(back->Pixel(x, y), surface.Pixel(x, y));
  }
  EXPECT_FALSE(ReadPng((std::filesystem::temp_directory_path() / "no_such_file.png").string()).has_value());
}

}  // namespace
