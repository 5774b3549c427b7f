#include "platform/core/screen_layout.h"

#include <algorithm>

namespace {
// Floor division: window points left of or above the screen must map to negative pixels.
int FloorDiv(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }
}  // namespace

int StartScale(int usableWidth, int usableHeight, int screenWidth, int screenHeight) {
  const int byWidth = usableWidth / screenWidth;
  const int byHeight = (usableHeight - kWindowFrameAllowance) / screenHeight;
  return std::max(2, std::min(byWidth, byHeight));
}

ScreenLayout LayoutForWindow(int windowWidth, int windowHeight, int screenWidth, int screenHeight) {
  const int scale = std::max(1, std::min(windowWidth / screenWidth, windowHeight / screenHeight));
  return ScreenLayout{scale, std::max(0, (windowWidth - screenWidth * scale) / 2),
                      std::max(0, (windowHeight - screenHeight * scale) / 2), screenWidth, screenHeight};
}

POINT WindowToScreen(const ScreenLayout& layout, int windowX, int windowY) {
  return POINT{FloorDiv(windowX - layout.offsetX, layout.scale), FloorDiv(windowY - layout.offsetY, layout.scale)};
}

bool IsOnScreen(const ScreenLayout& layout, POINT screenPoint) {
  return screenPoint.x >= 0 && screenPoint.y >= 0 && screenPoint.x < layout.screenWidth &&
         screenPoint.y < layout.screenHeight;
}

POINT ClampToScreen(const ScreenLayout& layout, POINT screenPoint) {
  return POINT{std::clamp(screenPoint.x, 0, layout.screenWidth - 1),
               std::clamp(screenPoint.y, 0, layout.screenHeight - 1)};
}
