#include "platform/sdl/x11_window.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> displayLost = false;

std::optional<SDL_SysWMinfo> X11Info(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
  return info;
}

// Returning lets Xlib call the exit handler below instead of ending the program.
int KeepRunning(Display*) { return 0; }

// SDL's wait returns once the connection is dead. Nothing may be sent to wake it: SDL would
// send that on its second connection, whose break Xlib would end the program for.
void MarkLost(Display*, void*) { displayLost = true; }

}  // namespace

void WatchDisplayConnection(SDL_Window* window) {
  const std::optional<SDL_SysWMinfo> info = X11Info(window);
  if (!info) return;
  // A write into the broken connection must fail and be noticed, not end the program.
  std::signal(SIGPIPE, SIG_IGN);
  XSetIOErrorHandler(KeepRunning);
  XSetIOErrorExitHandler(info->info.x11.display, MarkLost, nullptr);
}

bool DisplayLost() { return displayLost; }

std::optional<SIZE> ServerWindowSize(SDL_Window* window) {
  const std::optional<SDL_SysWMinfo> info = X11Info(window);
  XWindowAttributes attributes{};
  if (!info || DisplayLost() || XGetWindowAttributes(info->info.x11.display, info->info.x11.window, &attributes) == 0) {
    return std::nullopt;
  }
  return SIZE{attributes.width, attributes.height};
}
