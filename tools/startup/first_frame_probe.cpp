// Starts a program and reports when its first window first shows anything: the X server's
// own damage report for that window, so the figure is the moment a user could see the frame,
// not a guess from polling.
//   first_frame_probe PROGRAM [ARGUMENTS...]
// Prints "<process id> <milliseconds from launch to first frame>" and leaves the program
// running for whoever measures it next. Exit status 1, the program ended, when no frame
// comes within 10 s.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

namespace {

constexpr double kGiveUpMs = 10000;

double MsSince(const timespec& start) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec - start.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_frame_probe PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "first_frame_probe: no display\n");
    return 1;
  }
  int damageEvent = 0, damageError = 0;
  if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
    std::fprintf(stderr, "first_frame_probe: the display has no DAMAGE extension\n");
    return 1;
  }
  // A window can be gone before its damage is watched (Wine makes and drops helper windows
  // as it starts): that error concerns no frame, and the next window is watched.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  timespec launched{};
  clock_gettime(CLOCK_MONOTONIC, &launched);
  const pid_t child = fork();
  if (child < 0) {
    std::perror("first_frame_probe: fork");
    return 1;
  }
  if (child == 0) {
    close(ConnectionNumber(display));
    // The program's own output goes to standard error: whoever reads ours waits for its end.
    dup2(STDERR_FILENO, STDOUT_FILENO);
    execvp(argv[1], argv + 1);
    std::perror("first_frame_probe: exec");
    _exit(127);
  }

  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  while (MsSince(launched) < kGiveUpMs) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "first_frame_probe: %s ended before showing a frame\n", argv[1]);
      return 1;
    }
    if (XPending(display) == 0) {
      poll(&connection, 1, 10);
      continue;
    }
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == CreateNotify) {
      // Reported once, when anything is first drawn into the window. Wine's windows pass by
      // the window manager where there is none, as menus and tooltips do elsewhere.
      XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
    } else if (event.type == damageEvent + XDamageNotify) {
      std::printf("%d %.1f\n", static_cast<int>(child), MsSince(launched));
      return 0;
    }
  }
  std::fprintf(stderr, "first_frame_probe: no frame from %s within %.0f s\n", argv[1], kGiveUpMs / 1000);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return 1;
}
