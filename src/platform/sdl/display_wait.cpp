#include "platform/sdl/display_wait.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>

DisplayWait::DisplayWait(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    m_display = info.info.x11.display;
  }
}

bool DisplayWait::HasInput() const { return XEventsQueued(m_display, QueuedAfterReading) > 0; }

bool DisplayWait::Sleep(int timeoutMs) const {
  XFlush(m_display);
  pollfd connection{ConnectionNumber(m_display), POLLIN, 0};
  return poll(&connection, 1, timeoutMs) != 0;
}
