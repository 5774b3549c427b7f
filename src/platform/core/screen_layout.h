#pragma once
// Where the handheld's screen sits in the desktop window: magnified by a whole number,
// centred, the rest of the window black. Pure arithmetic, so it is tested without a display.
#include "platform/core/win_types.h"

struct ScreenLayout {
  int scale;    // window pixels per screen pixel, at least 1
  int offsetX;  // window position of the screen's top-left corner
  int offsetY;
  int screenWidth;
  int screenHeight;
  friend bool operator==(const ScreenLayout&, const ScreenLayout&) = default;
};

// Room kept for the title bar and frame when choosing the first window size.
constexpr int kWindowFrameAllowance = 32;

// The largest magnification whose window fits the desktop's usable area, but at least 2.
int StartScale(int usableWidth, int usableHeight, int screenWidth, int screenHeight);

// The largest whole magnification that fits the window, centred; at least 1 (a window
// smaller than the screen shows its top-left part).
ScreenLayout LayoutForWindow(int windowWidth, int windowHeight, int screenWidth, int screenHeight);

// Window pixel -> screen pixel; may lie outside the screen when the window point lies in
// the black border.
POINT WindowToScreen(const ScreenLayout& layout, int windowX, int windowY);
bool IsOnScreen(const ScreenLayout& layout, POINT screenPoint);
// Pulls a point back onto the nearest screen pixel.
POINT ClampToScreen(const ScreenLayout& layout, POINT screenPoint);
