#include "app/dice_app.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/board_dlg.h"
#include "platform/core/message_box.h"
#include "platform/core/screen_size.h"
#ifdef __EMSCRIPTEN__
#include "platform/web/web_backend.h"
#elif defined(_WIN32)
#include "platform/win32/win32_backend.h"
#else
#include "platform/sdl/come_forward.h"
#include "platform/sdl/sdl_backend.h"
#endif
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"

namespace {
constexpr COLORREF kDialogBackground = RGB(0, 153, 51);
constexpr COLORREF kDialogText = RGB(255, 255, 255);
}  // namespace

CDiceApp::CDiceApp() {
  InstallProgramResources();
  InstallWindowResources();
#ifdef __EMSCRIPTEN__
  // The page starts the program only in the one tab that holds the game (site/page.js).
  m_pBackend = std::make_unique<WebBackend>();
#elif defined(_WIN32)
  m_pBackend = Win32Backend::Create(u"Tumbla", SIZE{SCREEN_WIDTH, SCREEN_HEIGHT});
  if (!m_pBackend) std::exit(1);
#else
  if (!m_runLock.Held() && AskToComeForward(m_runLock.Holder())) {
    std::fprintf(stderr, "Tumbla is already running; its window was brought to the front.\n");
    std::exit(0);
  }
  std::string error;
  m_pBackend =
      SdlBackend::Create(DesktopWindowLook{"Tumbla", LoadIconW(IDI_PROGRAM), SIZE{SCREEN_WIDTH, SCREEN_HEIGHT}}, error);
  if (!m_pBackend) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::exit(1);
  }
#endif
  // The settings are loaded next, and a file error there is shown as a message box.
  m_pRun = std::make_unique<ProgramRun>(*m_pBackend);
  if (!m_runLock.Held()) {
    // The other copy could not come forward. Before the settings are made, so that this
    // copy neither loads nor saves them.
    MessageBoxW(nullptr, u"Tumbla is already running.", u"Tumbla", MB_OK | MB_ICONINFORMATION);
    m_pRun.reset();
    m_pBackend.reset();
    std::exit(1);
  }
}

CDiceApp::~CDiceApp() = default;

BOOL CDiceApp::InitInstance() {
  CBoardDlg board;
  m_pMainWnd = &board;
  SetDialogBkColor(kDialogBackground, kDialogText);
  board.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}

int CDiceApp::ExitInstance() {
#ifdef __EMSCRIPTEN__
  m_pBackend->ProgramEnding();
  return 0;
#elif defined(_WIN32)
  return 0;
#else
  if (!m_pBackend->DisplayLost()) return 0;
  // The settings are saved after this, as at every end.
  std::fprintf(stderr, "Tumbla: the connection to the display was lost; the game ends.\n");
  return 1;
#endif
}
