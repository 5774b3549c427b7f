#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool WritePng(const Surface& picture, const std::filesystem::path& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    std::perror(path.c_str());
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    std::fprintf(stderr, "%s: out of memory\n", path.c_str());
    return false;
  }
  std::vector<png_byte> row(static_cast<std::size_t>(picture.Width()) * 3);
  // libpng reports its errors by jumping back here.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fprintf(stderr, "%s: cannot write the PNG data\n", path.c_str());
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const COLORREF c = picture.Pixel(x, y);
      row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(GetRValue(c));
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>(GetGValue(c));
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(GetBValue(c));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) {
    std::perror(path.c_str());
    return false;
  }
  return true;
}
