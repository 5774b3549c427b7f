#include "platform/sdl/help_viewer.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/epoll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

extern char** environ;

namespace {
// Finds the status of an ended viewer, collecting it; nothing while it still runs.
// A child some other code collected first counts as a success: nothing is known of it.
bool Ended(pid_t pid, bool& failed) {
  int status = 0;
  pid_t result = 0;
  while ((result = waitpid(pid, &status, WNOHANG)) < 0 && errno == EINTR) {
  }
  if (result == 0) return false;
  failed = result == pid && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  return true;
}
}  // namespace

HelpViewers::HelpViewers() : m_ended(epoll_create1(EPOLL_CLOEXEC)) {}

HelpViewers::~HelpViewers() {
  // Viewers still running go on; the system collects them once the game has ended.
  for (const Viewer& viewer : m_running) {
    if (viewer.processDescriptor >= 0) close(viewer.processDescriptor);
  }
  if (m_ended >= 0) close(m_ended);
}

bool HelpViewers::Start(const std::string& program, const std::string& page) {
  posix_spawnattr_t attributes;
  if (posix_spawnattr_init(&attributes) != 0) return false;
  // Its own session, so that the terminal's Ctrl-C for the game does not reach the viewer;
  // no signal blocked or ignored because the game's threads had them so.
  sigset_t none;
  sigemptyset(&none);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  // What xdg-open tries on its way, and a browser's own chatter, is no message for the
  // player: how the viewer ended is, and the game tells that in a box.
  posix_spawn_file_actions_t files;
  if (posix_spawn_file_actions_init(&files) != 0) {
    posix_spawnattr_destroy(&attributes);
    return false;
  }
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);

  std::string programArgument = program;
  std::string pageArgument = page;
  char* arguments[] = {programArgument.data(), pageArgument.data(), nullptr};
  pid_t child = 0;
  const int failure = posix_spawnp(&child, program.c_str(), &files, &attributes, arguments, environ);
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  if (failure != 0) return false;

  // A descriptor of the process stays valid after its end until it is collected, so a viewer
  // that ends at once is still seen.
  // Through syscall: this glibc's header declares pidfd_open without C linkage for C++.
  int processDescriptor = static_cast<int>(syscall(SYS_pidfd_open, child, 0));
  epoll_event watch{};
  watch.events = EPOLLIN;
  if (processDescriptor >= 0 && (m_ended < 0 || epoll_ctl(m_ended, EPOLL_CTL_ADD, processDescriptor, &watch) != 0)) {
    close(processDescriptor);
    processDescriptor = -1;
  }
  m_running.push_back(Viewer{child, processDescriptor});
  return true;
}

bool HelpViewers::Unwatched() const {
  return std::any_of(m_running.begin(), m_running.end(), [](const Viewer& v) { return v.processDescriptor < 0; });
}

bool HelpViewers::AnyEnded() const {
  pollfd ended{m_ended, POLLIN, 0};
  return m_ended >= 0 && poll(&ended, 1, 0) > 0;
}

bool HelpViewers::CollectEnded() {
  bool anyFailed = false;
  std::erase_if(m_running, [&anyFailed](const Viewer& viewer) {
    bool failed = false;
    if (!Ended(viewer.pid, failed)) return false;
    // Closing the process descriptor also takes it out of the epoll set.
    if (viewer.processDescriptor >= 0) close(viewer.processDescriptor);
    anyFailed = anyFailed || failed;
    return true;
  });
  return anyFailed;
}
