// PNG files through libpng: written as 8-bit RGB; read from any kind of PNG as its colours,
// an alpha channel dropped, since surfaces have none.
#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/gdi/dib_decoder.h"
#include "platform/gdi/png_file.h"

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::size_t BYTES_PER_PIXEL = 3;

// libpng's error handler must not return: it jumps back to the setjmp of the function that
// called libpng, so those functions hold nothing that would need destroying.
[[noreturn]] void ReportError(png_structp png, png_const_charp message) {
  std::fprintf(stderr, "%s: %s\n", static_cast<const char*>(png_get_error_ptr(png)), message);
  png_longjmp(png, 1);
}

bool ReadLayout(png_structp png, png_infop info, std::FILE* file, png_uint_32* width, png_uint_32* height) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_user_limits(png, MAX_IMAGE_SIDE, MAX_IMAGE_SIDE);
  png_read_info(png, info);
  png_set_expand(png);  // palettes and greys of fewer bits to full 8-bit samples
  png_set_strip_16(png);
  png_set_strip_alpha(png);
  png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  *width = png_get_image_width(png, info);
  *height = png_get_image_height(png, info);
  return png_get_rowbytes(png, info) == *width * BYTES_PER_PIXEL;
}

bool ReadRows(png_structp png, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, nullptr);
  return true;
}

bool WriteRows(png_structp png, png_infop info, std::FILE* file, int width, int height, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

std::vector<png_bytep> RowStarts(std::vector<png_byte>& pixels, int width, int height) {
  std::vector<png_bytep> rows(static_cast<std::size_t>(height));
  for (std::size_t y = 0; y < rows.size(); ++y) {
    rows[y] = pixels.data() + y * static_cast<std::size_t>(width) * BYTES_PER_PIXEL;
  }
  return rows;
}

bool WriteFile(const Surface& surface, std::FILE* file, const char* path) {
  std::vector<png_byte> pixels;
  pixels.reserve(static_cast<std::size_t>(surface.Width()) * static_cast<std::size_t>(surface.Height()) *
                 BYTES_PER_PIXEL);
  for (int y = 0; y < surface.Height(); ++y) {
    for (const COLORREF* c = surface.Row(y); c != surface.Row(y) + surface.Width(); ++c) {
      pixels.insert(pixels.end(), {static_cast<png_byte>(GetRValue(*c)), static_cast<png_byte>(GetGValue(*c)),
                                   static_cast<png_byte>(GetBValue(*c))});
    }
  }
  std::vector<png_bytep> rows = RowStarts(pixels, surface.Width(), surface.Height());
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, const_cast<char*>(path), ReportError, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  const bool written = info != nullptr && WriteRows(png, info, file, surface.Width(), surface.Height(), rows.data());
  png_destroy_write_struct(&png, &info);
  return written;
}

}  // namespace

bool WritePng(const Surface& surface, const std::string& path) {
  if (surface.Width() <= 0 || surface.Height() <= 0) {
    std::fprintf(stderr, "%s: an empty picture cannot be saved as PNG\n", path.c_str());
    return false;
  }
  File file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), std::strerror(errno));
    return false;
  }
  bool written = WriteFile(surface, file.get(), path.c_str());
  if (written && std::fclose(file.release()) != 0) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), std::strerror(errno));
    written = false;
  }
  if (!written) {
    file.reset();
    std::remove(path.c_str());  // a half-written file would read back as a broken picture
  }
  return written;
}

std::optional<Surface> ReadPng(const std::string& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, const_cast<char*>(path.c_str()), ReportError, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  std::optional<Surface> picture;
  if (info != nullptr && ReadLayout(png, info, file.get(), &width, &height)) {
    std::vector<png_byte> pixels(static_cast<std::size_t>(width) * height * BYTES_PER_PIXEL);
    std::vector<png_bytep> rows = RowStarts(pixels, static_cast<int>(width), static_cast<int>(height));
    if (ReadRows(png, rows.data())) {
      picture.emplace(static_cast<int>(width), static_cast<int>(height));
      const png_byte* sample = pixels.data();
      for (int y = 0; y < picture->Height(); ++y) {
        for (COLORREF* c = picture->Row(y); c != picture->Row(y) + picture->Width(); ++c, sample += BYTES_PER_PIXEL) {
          *c = RGB(sample[0], sample[1], sample[2]);
        }
      }
    }
  }
  png_destroy_read_struct(&png, &info, nullptr);
  return picture;
}
