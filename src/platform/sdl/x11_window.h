#pragma once
// What only the X server can tell about the game's window: that the connection to it broke
// (Xlib would otherwise end the program in the middle of whatever it was doing), and the
// window's real size (SDL takes a full-screen request as granted, which without a window
// manager it is not). Other video drivers have neither; the calls then do nothing.
#include <optional>

#include "platform/core/win_types.h"

struct SDL_Window;

// From now on a broken connection of the window's only marks the display lost.
void WatchDisplayConnection(SDL_Window* window);
bool DisplayLost();

// The window's size in pixels as the X server has it; nothing on other drivers.
std::optional<SIZE> ServerWindowSize(SDL_Window* window);
