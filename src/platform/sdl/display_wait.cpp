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

bool DisplayWait::Sleep(int timeoutMs, int alsoWatched) const {
  XFlush(m_display);
  // poll passes over a negative descriptor.
  pollfd sources[] = {{ConnectionNumber(m_display), POLLIN, 0}, {alsoWatched, POLLIN, 0}};
  return poll(sources, 2, timeoutMs) != 0;
}
