#include "support/virtual_display.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

VirtualDisplay::VirtualDisplay() {
  // The server picks a free display itself and names it on the pipe once it takes clients.
  int ready[2];
  if (pipe(ready) != 0) {
    m_why = "no pipe for Xvfb";
    return;
  }
  const pid_t pid = fork();
  if (pid < 0) {
    m_why = "fork failed";
    return;
  }
  if (pid == 0) {
    close(ready[0]);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    const std::string fd = std::to_string(ready[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(ready[1]);
  m_pid = pid;
  std::string number;
  char c = 0;
  while (read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  close(ready[0]);
  if (number.empty()) {
    End();
    m_why = "Xvfb did not start";
    return;
  }
  m_name = ":" + number;
}

VirtualDisplay::~VirtualDisplay() { End(); }

void VirtualDisplay::End() {
  if (m_pid <= 0) return;
  kill(m_pid, SIGTERM);
  waitpid(m_pid, nullptr, 0);
  m_pid = -1;
}
