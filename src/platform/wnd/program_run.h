#pragma once
// One run of the program on a back end: the window system with the shell's bars and the
// message boxes as modal dialogs, from construction to destruction. Each run starts on an
// empty screen; nothing of a run outlives it.
#include "platform/core/backend.h"
#include "platform/core/message_box.h"
#include "platform/wnd/window_system.h"

class ProgramRun {
 public:
  explicit ProgramRun(Backend& backend);
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  WindowSystem& Windows() { return m_windows; }

 private:
  WindowSystem m_windows;
  MessageBoxPresenter m_previousPresenter;
};
