// The one place where the drawing layer uses SDL: its image library decodes and encodes.
#include "platform/gdi/image_codec.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>

namespace {

struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// In ABGR8888 a pixel read as a 32-bit number is a COLORREF with alpha in the top byte.
SdlSurface ToColorrefLayout(SdlSurface decoded) {
  if (!decoded) return nullptr;
  return SdlSurface(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ABGR8888, 0));
}

template <typename PerPixel>
void ForEachPixel(SDL_Surface* surface, PerPixel perPixel) {
  for (int y = 0; y < surface->h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) perPixel(x, y, row[x]);
  }
}

Surface CopyColors(SDL_Surface* surface) {
  Surface result(surface->w, surface->h);
  ForEachPixel(surface, [&](int x, int y, Uint32 value) { result.Row(y)[x] = value & 0x00FFFFFF; });
  return result;
}

SdlSurface DecodeFromMemory(std::span<const unsigned char> bytes, SDL_Surface* (*decode)(SDL_RWops*)) {
  if (bytes.empty()) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (stream == nullptr) return nullptr;
  SdlSurface decoded(decode(stream));
  SDL_RWclose(stream);
  return ToColorrefLayout(std::move(decoded));
}

}  // namespace

std::optional<Surface> DecodeBitmapImage(std::span<const unsigned char> bytes) {
  SdlSurface converted = DecodeFromMemory(bytes, IMG_LoadBMP_RW);
  if (!converted) return std::nullopt;
  return CopyColors(converted.get());
}

std::optional<Icon> DecodeIconImage(std::span<const unsigned char> bytes) {
  SdlSurface converted = DecodeFromMemory(bytes, IMG_LoadICO_RW);
  if (!converted) return std::nullopt;
  Icon icon{CopyColors(converted.get()), {}};
  icon.opaque.resize(static_cast<std::size_t>(converted->w) * static_cast<std::size_t>(converted->h));
  ForEachPixel(converted.get(), [&](int x, int y, Uint32 value) {
    icon.opaque[static_cast<std::size_t>(y) * static_cast<std::size_t>(converted->w) + static_cast<std::size_t>(x)] =
        (value >> 24) >= 0x80;
  });
  return icon;
}

bool WritePng(const Surface& surface, const std::string& path) {
  SdlSurface image(SDL_CreateRGBSurfaceWithFormat(0, surface.Width(), surface.Height(), 32, SDL_PIXELFORMAT_ABGR8888));
  if (!image) return false;
  for (int y = 0; y < surface.Height(); ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(image->pixels) + y * image->pitch);
    for (int x = 0; x < surface.Width(); ++x) row[x] = surface.Pixel(x, y) | 0xFF000000u;
  }
  return IMG_SavePNG(image.get(), path.c_str()) == 0;
}

std::optional<Surface> ReadPng(const std::string& path) {
  SdlSurface converted = ToColorrefLayout(SdlSurface(IMG_Load(path.c_str())));
  if (!converted) return std::nullopt;
  return CopyColors(converted.get());
}
