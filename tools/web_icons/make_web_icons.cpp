// Writes the program's icon at the sizes a browser asks of an installed web app, each pixel a
// square of the original's (nearest neighbour, as the desktop's icons), on the board green.
//   make_web_icons <icon.ico> <folder> <size>...   ->  <folder>/tumbla-<size>.png
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gdi/image_codec.h"
#include "platform/gdi/png_file.h"

namespace {
constexpr COLORREF kBoardGreen = RGB(0, 153, 51);
}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: make_web_icons <icon.ico> <folder> <size>...\n";
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::string whyNot;
  const std::optional<Icon> icon = DecodeIconImage(bytes, &whyNot);
  if (!icon) {
    std::cerr << "make_web_icons: " << argv[1] << ": " << (bytes.empty() ? "cannot be read" : whyNot) << "\n";
    return 1;
  }
  const Surface& image = icon->image;
  for (int i = 3; i < argc; ++i) {
    const int size = std::stoi(argv[i]);
    Surface scaled(size, size, kBoardGreen);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const int fromX = x * image.Width() / size, fromY = y * image.Height() / size;
        if (icon->opaque[static_cast<std::size_t>(fromY * image.Width() + fromX)]) {
          scaled.SetPixel(x, y, image.Pixel(fromX, fromY));
        }
      }
    }
    if (!WritePng(scaled, std::string(argv[2]) + "/tumbla-" + std::to_string(size) + ".png")) return 1;
  }
  return 0;
}
