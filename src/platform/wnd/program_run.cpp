#include "platform/wnd/program_run.h"

#include <memory>
#include <utility>

#include "platform/wnd/message_box_dialog.h"
#include "platform/wnd/screen_chrome.h"

ProgramRun::ProgramRun(Backend& backend) : m_windows(backend) {
  m_windows.AttachShell(std::make_unique<ScreenChrome>());
  m_previousPresenter = SetMessageBoxPresenter(ShowMessageBoxDialog);
}

ProgramRun::~ProgramRun() { SetMessageBoxPresenter(std::move(m_previousPresenter)); }
