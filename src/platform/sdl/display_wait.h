#pragma once
// Waiting for the X display's connection directly. SDL's own wait pumps every source of
// events it knows, about fifteen system calls, before and after each sleep; for a program
// woken every 50 ms by a timer that then finds nothing to do, that is most of its idle cost.
// Here a wake-up that brings nothing costs two calls, and SDL pumps only when the display
// sent something or a signal came. On other displays (Wayland, the drivers in memory) this
// is not available and SDL's wait serves.

struct SDL_Window;
struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): Xlib's own name for its display

class DisplayWait {
 public:
  explicit DisplayWait(SDL_Window* window);
  bool IsAvailable() const { return m_display != nullptr; }
  // Whether the connection holds events not yet taken, reading what has arrived.
  bool HasInput() const;
  // Sleeps until the connection has input, a signal comes, `alsoWatched` (when not -1) is
  // readable, or timeoutMs (-1: no limit) has passed; false only for the timeout.
  bool Sleep(int timeoutMs, int alsoWatched = -1) const;

 private:
  _XDisplay* m_display = nullptr;
};
