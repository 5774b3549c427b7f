#include "platform/sdl/scaled_copy.h"

#include <algorithm>
#include <cstring>

namespace {
std::uint32_t WindowPixel(COLORREF colour, const PixelFormat32& format) {
  return static_cast<std::uint32_t>(GetRValue(colour)) << format.redShift |
         static_cast<std::uint32_t>(GetGValue(colour)) << format.greenShift |
         static_cast<std::uint32_t>(GetBValue(colour)) << format.blueShift | format.opaqueBits;
}

const COLORREF* FrameRow(const FrameView& frame, int y) {
  return frame.pixels + static_cast<std::size_t>(y) * frame.width;
}
}  // namespace

RECT WindowRegion(const ScreenLayout& layout, const RECT& screenRegion, int windowWidth, int windowHeight) {
  return RECT{std::min(layout.offsetX + screenRegion.left * layout.scale, windowWidth),
              std::min(layout.offsetY + screenRegion.top * layout.scale, windowHeight),
              std::min(layout.offsetX + screenRegion.right * layout.scale, windowWidth),
              std::min(layout.offsetY + screenRegion.bottom * layout.scale, windowHeight)};
}

void CopyScaled(const FrameView& frame, const RECT& screenRegion, const ScreenLayout& layout,
                const PixelFormat32& format, const WindowPixels& window) {
  const RECT target = WindowRegion(layout, screenRegion, window.width, window.height);
  if (target.right <= target.left || target.bottom <= target.top) return;
  const auto rowBytes = static_cast<std::size_t>(target.right - target.left) * sizeof(std::uint32_t);
  const int scale = layout.scale;
  for (int y = screenRegion.top; y < screenRegion.bottom; ++y) {
    const int firstRow = layout.offsetY + y * scale;
    if (firstRow >= window.height) break;
    std::uint32_t* row = window.pixels + static_cast<std::ptrdiff_t>(firstRow) * window.pitch;
    const COLORREF* source = FrameRow(frame, y);
    for (int x = screenRegion.left; x < screenRegion.right; ++x) {
      const std::uint32_t pixel = WindowPixel(source[x], format);
      const int from = layout.offsetX + x * scale;
      const int to = std::min(from + scale, window.width);
      for (int column = from; column < to; ++column) row[column] = pixel;
    }
    const int lastRow = std::min(firstRow + scale, window.height);
    for (int copy = firstRow + 1; copy < lastRow; ++copy) {
      std::memcpy(window.pixels + static_cast<std::ptrdiff_t>(copy) * window.pitch + target.left, row + target.left,
                  rowBytes);
    }
  }
}
