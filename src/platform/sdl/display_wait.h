#pragma once
// Waiting for the X display's connection directly. SDL's own wait pumps every source of
// events it knows, about fifteen system calls, before and after each sleep; for a program
// woken every 50 ms by a timer that then finds nothing to do, that is most of its idle cost.
// Here a wake-up that brings nothing costs two calls, and SDL pumps only when the display
// sent something or a signal came. On other displays (Wayland, the drivers in memory) this
// is not available and SDL's wait serves.
//
// SDL's handlers only note a termination signal, for the next pump to turn into a quit
// request; one that came while the program was busy would wait for the next input. So a
// handler of this wait's own, in front of SDL's, also leaves a byte in a pipe the wait
// watches, and the next sleep ends at once, however long before it the signal came. A
// second copy's request to come forward (come_forward.h) wakes the sleep the same way.
#include <sys/types.h>

struct SDL_Window;
struct _XDisplay;  // NOLINT(bugprone-reserved-identifier): Xlib's own name for its display

class DisplayWait {
 public:
  explicit DisplayWait(SDL_Window* window);
  ~DisplayWait();
  DisplayWait(const DisplayWait&) = delete;
  DisplayWait& operator=(const DisplayWait&) = delete;

  bool IsAvailable() const { return m_display != nullptr; }
  // Whether the connection holds events not yet taken, reading what has arrived.
  bool HasInput() const;
  // Sleeps until the connection has input, a signal comes or came since the last sleep,
  // `alsoWatched` (when not -1) is readable, or timeoutMs (-1: no limit) has passed; false
  // only for the timeout.
  bool Sleep(int timeoutMs, int alsoWatched = -1) const;
  // The copy that asked this one to come forward since the last call, or 0.
  static pid_t TakeComeForwardRequest();
  // Gives the signals back to SDL's handlers alone, before SDL ends and takes its own away.
  void Close();

 private:
  _XDisplay* m_display = nullptr;
  int m_signalPipe[2] = {-1, -1};
};
