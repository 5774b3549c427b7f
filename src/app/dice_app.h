#pragma once
// The application object: sets up the machine the program runs on (the desktop window
// with its sound and pen, the embedded resources, message boxes) before any other static
// object is made, and runs the board.
#include <memory>

#include "persistence/run_lock.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/program_run.h"

#ifdef __EMSCRIPTEN__
class WebBackend;
using ProgramBackend = WebBackend;
#elif defined(_WIN32)
class Win32Backend;
using ProgramBackend = Win32Backend;
#else
class SdlBackend;
using ProgramBackend = SdlBackend;
#endif

class CDiceApp : public CWinApp {
 public:
  // Without a display it says so on one line and ends the program with exit code 1. When
  // another copy runs in the same folder, that one's window is brought to the front and this
  // one says so on one line and ends with 0; where that copy cannot come forward, it says
  // in a message box that the game is already running and ends with 1.
  CDiceApp();
  ~CDiceApp() override;

  // Runs the board modally, then returns FALSE: the program ends when the board closes.
  BOOL InitInstance() override;
  // 1, said on standard error, when the display went away under the game; else 0.
  int ExitInstance() override;

 private:
  // Held until the settings have been saved as the program ended.
  RunLock m_runLock;
  std::unique_ptr<ProgramBackend> m_pBackend;
  // Ends before its back end, after the settings were saved as the program ended.
  std::unique_ptr<ProgramRun> m_pRun;
};

extern CDiceApp theApp;
