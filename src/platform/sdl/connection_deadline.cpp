#include "platform/sdl/connection_deadline.h"

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <utility>

namespace {

sigset_t TerminationSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&signals, signal);
  return signals;
}

void Watch(int signals, int done, const std::string& timeUpMessage, int limitMs) {
  std::array<pollfd, 2> sources{pollfd{signals, POLLIN, 0}, pollfd{done, POLLIN, 0}};
  int ready = 0;
  do {
    ready = poll(sources.data(), sources.size(), limitMs);
  } while (ready < 0 && errno == EINTR);
  if ((sources[1].revents & POLLIN) != 0 && (sources[0].revents & POLLIN) == 0) return;
  if (ready > 0) _exit(0);
  const std::string line = timeUpMessage + "\n";
  if (write(STDERR_FILENO, line.data(), line.size()) < 0) {
    // Nothing is left to tell it with; the status still says it.
  }
  _exit(1);
}

}  // namespace

ConnectionDeadline::ConnectionDeadline(std::string timeUpMessage, int limitMs) {
  const sigset_t signals = TerminationSignals();
  pthread_sigmask(SIG_BLOCK, &signals, &m_previousMask);
  m_signals = signalfd(-1, &signals, SFD_CLOEXEC);
  m_done = eventfd(0, EFD_CLOEXEC);
  if (m_signals < 0 || m_done < 0) return;  // no deadline, as before there was one
  m_watch = std::thread(Watch, m_signals, m_done, std::move(timeUpMessage), limitMs);
}

ConnectionDeadline::~ConnectionDeadline() {
  if (m_watch.joinable()) {
    const std::uint64_t one = 1;
    // An event counter takes the write unless it is full, which one write cannot make it.
    if (write(m_done, &one, sizeof one) != sizeof one) {
    }
    m_watch.join();
  }
  if (m_signals >= 0) close(m_signals);
  if (m_done >= 0) close(m_done);
  pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
}
