#include "hardening/traced_child.h"

#include <signal.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

constexpr int kCallStop = SIGTRAP | 0x80;

int Wait(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("lost the traced child");
  return status;
}

}  // namespace

TracedChild::TracedChild(const std::function<void()>& work) {
  std::fflush(nullptr);  // nothing buffered is written twice
  m_pid = fork();
  if (m_pid < 0) throw std::runtime_error("fork failed");
  if (m_pid == 0) {
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    raise(SIGSTOP);
    work();
    _exit(0);
  }
  Wait(m_pid);
  if (ptrace(PTRACE_SETOPTIONS, m_pid, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL) != 0) {
    kill(m_pid, SIGKILL);
    Wait(m_pid);
    throw std::runtime_error("this system does not let a test trace its child");
  }
}

TracedChild::~TracedChild() {
  if (m_bEnded) return;
  kill(m_pid, SIGKILL);
  // Only reaped here, never reported: a destructor must not throw.
  int status = 0;
  waitpid(m_pid, &status, 0);
}

bool TracedChild::Next() {
  int signal = 0;
  for (;;) {
    ptrace(PTRACE_SYSCALL, m_pid, nullptr, signal);
    const int status = Wait(m_pid);
    if (WIFEXITED(status) || WIFSIGNALED(status)) {
      m_bEnded = true;
      return false;
    }
    if (WSTOPSIG(status) == kCallStop) return true;
    signal = WSTOPSIG(status);  // a signal of the work's own goes on to it
  }
}

std::optional<TracedChild::Call> TracedChild::Beginning() const {
  __ptrace_syscall_info info{};
  ptrace(PTRACE_GET_SYSCALL_INFO, m_pid, sizeof info, &info);
  if (info.op != PTRACE_SYSCALL_INFO_ENTRY) return std::nullopt;
  const std::string fd = "/proc/" + std::to_string(m_pid) + "/fd/" + std::to_string(info.entry.args[0]);
  std::error_code error;
  return Call{static_cast<long>(info.entry.nr), std::filesystem::read_symlink(fd, error).string()};
}

bool FinishedBeforeStop(int stop, const std::function<void()>& work) {
  TracedChild child(work);
  for (int i = 0; i < stop; ++i) {
    if (!child.Next()) return true;
  }
  return false;
}
