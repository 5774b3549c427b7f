#pragma once
// Connecting to a display that accepts the connection and never answers would wait for
// ever, and SDL's signal handlers, in place by then, only note a signal for a pump that never
// comes. While this object lives, the termination signals are held back from those handlers
// and a thread of its own waits for them and for the time: a signal ends the program at
// once (status 0: nothing has been loaded yet, so nothing needs saving), and when the time
// is up the program says so on one line and ends with status 1.
#include <signal.h>

#include <string>
#include <thread>

class ConnectionDeadline {
 public:
  ConnectionDeadline(std::string timeUpMessage, int limitMs);
  // The signals held back meanwhile reach SDL's handlers now.
  ~ConnectionDeadline();
  ConnectionDeadline(const ConnectionDeadline&) = delete;
  ConnectionDeadline& operator=(const ConnectionDeadline&) = delete;

 private:
  sigset_t m_previousMask{};
  int m_signals = -1;
  int m_done = -1;
  std::thread m_watch;
};
