#pragma once
// An X server of the test's own (Xvfb, without a window manager) on a free display number,
// for what only a real display shows. It ends with the object, or earlier
// when a test pulls it away from under the program.
#include <sys/types.h>

#include <string>

class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  // False when Xvfb could not be started (Why() says why).
  bool Running() const { return m_pid > 0; }
  const std::string& Why() const { return m_why; }
  // For DISPLAY, such as ":90".
  const std::string& Name() const { return m_name; }
  void End();

 private:
  pid_t m_pid = -1;
  std::string m_name;
  std::string m_why;
};
