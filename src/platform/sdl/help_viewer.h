#pragma once
// Opens a page in the desktop's viewer (xdg-open) without waiting for it, and learns from
// the program's own wait how each viewer ended: xdg-open starts even where it then finds no
// program for the page, and only its exit status tells.
#include <sys/types.h>

#include <string>
#include <vector>

class HelpViewers {
 public:
  HelpViewers();
  ~HelpViewers();
  HelpViewers(const HelpViewers&) = delete;
  HelpViewers& operator=(const HelpViewers&) = delete;

  // Starts `program page` in its own session with its output silenced, and returns at once;
  // false when the program could not start.
  bool Start(const std::string& program, const std::string& page);
  // Becomes readable when a viewer has ended, for the wait to watch beside its other sources;
  // -1 when the system cannot tell (a kernel without pidfd), and then Unwatched() is true.
  int EndedDescriptor() const { return m_ended; }
  // A viewer runs whose end no descriptor tells: the wait must look again now and then.
  bool Unwatched() const;
  bool AnyRunning() const { return !m_running.empty(); }
  // A viewer has ended and waits to be collected.
  bool AnyEnded() const;
  // Collects the viewers that have ended, so none is left behind as a zombie; true when any
  // of them failed (a non-zero exit status, or a signal).
  bool CollectEnded();

 private:
  struct Viewer {
    pid_t pid;
    int processDescriptor;  // -1 when none could be had
  };
  int m_ended = -1;  // an epoll set of the viewers' process descriptors
  std::vector<Viewer> m_running;
};
