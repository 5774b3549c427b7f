#include "platform/sdl/display_wait.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

#include "platform/sdl/come_forward.h"

namespace {

// SIGHUP needs none: the program's own handler turns it into a SIGTERM.
constexpr std::array<int, 2> kWakingSignals = {SIGTERM, SIGINT};
// What a handler may touch: the pipe's writing end and the handlers it stands in front of.
volatile sig_atomic_t g_wakeFd = -1;
// The last copy that asked this one to come forward, until it is answered.
volatile sig_atomic_t g_comeForwardAsker = 0;
std::array<struct sigaction, kWakingSignals.size()> g_sdlHandlers{};

void Wake() {
  const int savedErrno = errno;
  const char byte = 1;
  if (g_wakeFd >= 0 && write(g_wakeFd, &byte, 1) < 0) {
    // A full pipe already holds a wake-up.
  }
  errno = savedErrno;
}

void NoteComeForward(int, siginfo_t* info, void*) {
  g_comeForwardAsker = info->si_pid;
  Wake();
}

void WakeThenPassOn(int signal, siginfo_t* info, void* context) {
  Wake();
  for (std::size_t i = 0; i < kWakingSignals.size(); ++i) {
    if (kWakingSignals[i] != signal) continue;
    const struct sigaction& sdl = g_sdlHandlers[i];
    if ((sdl.sa_flags & SA_SIGINFO) != 0) {
      sdl.sa_sigaction(signal, info, context);
    } else {
      sdl.sa_handler(signal);
    }
  }
}

bool IsHandler(const struct sigaction& action) {
  return (action.sa_flags & SA_SIGINFO) != 0 || (action.sa_handler != SIG_DFL && action.sa_handler != SIG_IGN);
}

}  // namespace

DisplayWait::DisplayWait(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
  m_display = info.info.x11.display;
  if (g_wakeFd >= 0 || pipe2(m_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  g_wakeFd = m_signalPipe[1];
  for (std::size_t i = 0; i < kWakingSignals.size(); ++i) {
    struct sigaction current {};
    sigaction(kWakingSignals[i], nullptr, &current);
    // Where SDL has no handler, the signal's own action stands and nothing need wake.
    if (!IsHandler(current)) continue;
    g_sdlHandlers[i] = current;
    struct sigaction wake = current;
    wake.sa_sigaction = WakeThenPassOn;
    wake.sa_flags = current.sa_flags | SA_SIGINFO;
    sigaction(kWakingSignals[i], &wake, nullptr);
  }
  struct sigaction comeForward {};
  comeForward.sa_sigaction = NoteComeForward;
  comeForward.sa_flags = SA_SIGINFO | SA_RESTART;
  sigemptyset(&comeForward.sa_mask);
  sigaction(kComeForwardSignal, &comeForward, nullptr);
}

DisplayWait::~DisplayWait() { Close(); }

void DisplayWait::Close() {
  if (m_signalPipe[0] < 0) return;
  for (std::size_t i = 0; i < kWakingSignals.size(); ++i) {
    struct sigaction current {};
    sigaction(kWakingSignals[i], nullptr, &current);
    if ((current.sa_flags & SA_SIGINFO) != 0 && current.sa_sigaction == WakeThenPassOn) {
      sigaction(kWakingSignals[i], &g_sdlHandlers[i], nullptr);
    }
  }
  // Ignored, not ended by: a copy may ask between a check that this one answers and its asking.
  signal(kComeForwardSignal, SIG_IGN);
  g_wakeFd = -1;
  close(m_signalPipe[0]);
  close(m_signalPipe[1]);
  m_signalPipe[0] = m_signalPipe[1] = -1;
}

pid_t DisplayWait::TakeComeForwardRequest() {
  const auto asker = static_cast<pid_t>(g_comeForwardAsker);
  g_comeForwardAsker = 0;
  return asker;
}

bool DisplayWait::HasInput() const { return XEventsQueued(m_display, QueuedAfterReading) > 0; }

bool DisplayWait::Sleep(int timeoutMs, int alsoWatched) const {
  XFlush(m_display);
  // poll passes over a negative descriptor: no signal pipe, nothing else to watch.
  std::array<pollfd, 3> sources{pollfd{ConnectionNumber(m_display), POLLIN, 0}, pollfd{m_signalPipe[0], POLLIN, 0},
                                pollfd{alsoWatched, POLLIN, 0}};
  const int ready = poll(sources.data(), sources.size(), timeoutMs);
  if (m_signalPipe[0] >= 0 && (sources[1].revents & POLLIN) != 0) {
    char bytes[16];
    while (read(m_signalPipe[0], bytes, sizeof bytes) > 0) {
    }
  }
  return ready != 0;
}
