#pragma once
// Copies the handheld's screen into a window's 32-bit pixels, each screen pixel becoming a
// scale-by-scale block, and finds the part of the screen that changed since the last copy.
// No SDL types, so both are tested and measured without a display.
#include <cstdint>

#include "platform/core/backend.h"
#include "platform/core/screen_layout.h"

// Where red, green and blue sit in a 32-bit window pixel, and the bits that make it opaque.
struct PixelFormat32 {
  int redShift;
  int greenShift;
  int blueShift;
  std::uint32_t opaqueBits;
};

struct WindowPixels {
  std::uint32_t* pixels;
  int pitch;  // pixels from one row to the next
  int width;
  int height;
};

// The window rectangle that a screen rectangle covers, cut to the window.
RECT WindowRegion(const ScreenLayout& layout, const RECT& screenRegion, int windowWidth, int windowHeight);

// Copies screenRegion of the frame, magnified, to where the layout puts it in the window.
void CopyScaled(const FrameView& frame, const RECT& screenRegion, const ScreenLayout& layout,
                const PixelFormat32& format, const WindowPixels& window);
