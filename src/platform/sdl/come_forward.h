#pragma once
// A second copy of the game asks the one already running to bring its window forward, by
// a signal; the first answers with the same signal once its window is raised. A copy that
// cannot raise a window does not answer, and the asker then says in its own way that the
// game is already running.
#include <signal.h>
#include <sys/types.h>

constexpr int kComeForwardSignal = SIGUSR1;

// True once the process answered within a second or two. Asks only a process that handles
// the signal, as the signal's default action would end it.
bool AskToComeForward(pid_t holder);
