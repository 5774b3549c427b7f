#include "platform/sdl/come_forward.h"

#include <fstream>
#include <string>

namespace {

constexpr timespec kAnswerLimit{2, 0};

// Whether the process has a handler for the signal, as the system's status of it says.
bool Handles(pid_t process, int signal) {
  std::ifstream status("/proc/" + std::to_string(process) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("SigCgt:")) return ((std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1) != 0;
  }
  return false;
}

}  // namespace

bool AskToComeForward(pid_t holder) {
  if (holder <= 0 || !Handles(holder, kComeForwardSignal)) return false;
  sigset_t answer;
  sigemptyset(&answer);
  sigaddset(&answer, kComeForwardSignal);
  sigset_t previous;
  pthread_sigmask(SIG_BLOCK, &answer, &previous);
  bool bAnswered = false;
  if (kill(holder, kComeForwardSignal) == 0) {
    siginfo_t info{};
    timespec left = kAnswerLimit;
    while (!bAnswered && sigtimedwait(&answer, &info, &left) == kComeForwardSignal) bAnswered = info.si_pid == holder;
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
  return bAnswered;
}
