#pragma once
// The application object: sets up the machine the program runs on (the desktop window
// with its sound and pen, the embedded resources, message boxes) before any other static
// object is made, and runs the board.
#include <memory>

#include "platform/core/backend.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/program_run.h"

class CDiceApp : public CWinApp {
 public:
  // Without a display it says so on one line and ends the program with exit code 1.
  CDiceApp();
  ~CDiceApp() override;

  // Runs the board modally, then returns FALSE: the program ends when the board closes.
  BOOL InitInstance() override;

 private:
  std::unique_ptr<Backend> m_pBackend;
  // Ends before its back end, after the settings were saved as the program ended.
  std::unique_ptr<ProgramRun> m_pRun;
};

extern CDiceApp theApp;
