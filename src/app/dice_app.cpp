#include "app/dice_app.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/board_dlg.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/wnd/message_box_dialog.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"

namespace {
constexpr COLORREF kDialogBackground = RGB(0, 153, 51);
constexpr COLORREF kDialogText = RGB(255, 255, 255);
// The handheld's screen.
constexpr SIZE kScreenSize{240, 320};
}  // namespace

CDiceApp::CDiceApp() {
  InstallProgramResources();
  InstallWindowResources();
  std::string error;
  m_pBackend = SdlBackend::Create(DesktopWindowLook{"Tumbla", LoadIconW(IDI_PROGRAM), kScreenSize},
                                  error);
  if (!m_pBackend) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::exit(1);
  }
  SetBackend(m_pBackend.get());
  // The settings are loaded next, and a file error there is shown as a message box.
  InstallMessageBoxDialogs();
}

CDiceApp::~CDiceApp() { SetBackend(nullptr); }

BOOL CDiceApp::InitInstance() {
  CBoardDlg board;
  m_pMainWnd = &board;
  SetDialogBkColor(kDialogBackground, kDialogText);
  board.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
