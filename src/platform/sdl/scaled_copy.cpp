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
  // A copy: the compiler cannot know that the window's pixels do not overlap the format, and
  // would read it again for every pixel written.
  const PixelFormat32 windowFormat = format;
  for (int y = screenRegion.top; y < screenRegion.bottom; ++y) {
    const int firstRow = layout.offsetY + y * scale;
    if (firstRow >= window.height) break;
    std::uint32_t* row = window.pixels + static_cast<std::ptrdiff_t>(firstRow) * window.pitch;
    const COLORREF* source = FrameRow(frame, y);
    // Neighbours mostly share a colour, converted once for the run.
    COLORREF colour = source[screenRegion.left];
    std::uint32_t pixel = WindowPixel(colour, windowFormat);
    // Blocks that the window cuts off on the right end the row, so all before them are whole.
    std::uint32_t* block = row + layout.offsetX + screenRegion.left * scale;
    for (int x = screenRegion.left; x < screenRegion.right; ++x, block += scale) {
      if (source[x] != colour) {
        colour = source[x];
        pixel = WindowPixel(colour, windowFormat);
      }
      const int columns = std::min(scale, window.width - static_cast<int>(block - row));
      if (columns <= 0) break;
      std::fill_n(block, columns, pixel);
    }
    const int lastRow = std::min(firstRow + scale, window.height);
    for (int copy = firstRow + 1; copy < lastRow; ++copy) {
      std::memcpy(window.pixels + static_cast<std::ptrdiff_t>(copy) * window.pitch + target.left, row + target.left,
                  rowBytes);
    }
  }
}
