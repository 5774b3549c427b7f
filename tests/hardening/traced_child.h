#pragma once
// Work done in a child process that stops at every system call it makes, once as the call
// begins and once as it returns, so that a test can see what the work does or kill it at any
// of those moments. Files only change inside system calls, so killing at each stop in turn
// tries every state a kill at a random moment could leave, in order and without timing.
#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>

class TracedChild {
 public:
  explicit TracedChild(const std::function<void()>& work);
  // Kills the child if it has not ended.
  ~TracedChild();
  TracedChild(const TracedChild&) = delete;
  TracedChild& operator=(const TracedChild&) = delete;

  // Lets the child run to its next stop; false when it has ended instead, true on the way.
  bool Next();

  struct Call {
    long number;
    // The path that the call's first argument names as an open file of the child's.
    std::string firstFile;
  };
  // The call the child is about to make; nothing when it is stopped after one.
  std::optional<Call> Beginning() const;

 private:
  pid_t m_pid;
  bool m_bEnded = false;
};

// Runs the work in a traced child and kills it at its stop number `stop` (from 1). True
// when the work finished before that stop, so that a caller trying every stop knows when to
// end.
bool FinishedBeforeStop(int stop, const std::function<void()>& work);
