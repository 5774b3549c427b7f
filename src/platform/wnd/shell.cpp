#include "platform/wnd/shell.h"

#include <string_view>

#include "platform/core/backend.h"
#include "platform/core/module_path.h"
#include "platform/core/require.h"
#include "platform/core/resources.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/screen_chrome.h"
#include "platform/wnd/soft_keyboard.h"
#include "platform/wnd/window_system.h"

namespace {
char InstanceToken;  // the program's one module
}  // namespace

HINSTANCE AfxGetInstanceHandle() { return &InstanceToken; }

BOOL SHDoneButton(HWND hwnd, DWORD state) {
  PLATFORM_REQUIRE(state == SHDB_HIDE || state == SHDB_SHOW, "unsupported SHDoneButton state");
  auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandle(hwnd));
  PLATFORM_REQUIRE(dialog != nullptr, "SHDoneButton on a window that is not a dialog");
  dialog->SetDoneButtonShown(state == SHDB_SHOW);
  return TRUE;
}

BOOL SHSipPreference(HWND, int state) {
  PLATFORM_REQUIRE(state == SIP_UP || state == SIP_FORCEDOWN, "unsupported input panel preference");
  SoftKeyboardWnd& keyboard = ScreenChrome::Current().SoftKeyboard();
  if (state == SIP_UP) {
    keyboard.Raise();
  } else {
    keyboard.Lower();
  }
  return TRUE;
}

bool SipIsUp() { return ScreenChrome::Current().SoftKeyboard().IsRaised(); }

BOOL CreateProcessW(const char16_t* application, const char16_t* commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags, void* environment,
                    const char16_t* currentDirectory, void* startupInfo, void* processInformation) {
  PLATFORM_REQUIRE(application != nullptr && std::u16string_view(application) == u"peghelp.exe",
                   "only the help viewer can be started");
  constexpr std::u16string_view FILE_PREFIX = u"file:";
  const std::u16string_view page = commandLine ? std::u16string_view(commandLine) : std::u16string_view();
  PLATFORM_REQUIRE(page.starts_with(FILE_PREFIX), "the help viewer takes a file: page");
  PLATFORM_REQUIRE(processAttributes == nullptr && threadAttributes == nullptr && !inheritHandles &&
                       creationFlags == 0 && environment == nullptr && currentDirectory == nullptr &&
                       startupInfo == nullptr && processInformation == nullptr,
                   "unsupported process creation arguments");
  const CString executable = GetModuleFilePath();
  const std::size_t slash = executable.find_last_of(u"/\\");
  // Without the executable's path the page beside it cannot be found; the working folder or
  // the root would show whatever lies there.
  if (slash == CString::npos) return FALSE;
  const CString path = executable.substr(0, slash) + u"/" + CString(page.substr(FILE_PREFIX.size()));
  return WindowSystem::Current().GetBackend().StartHelpViewer(path) ? TRUE : FALSE;
}

bool CanOfferFileToPlayer() { return WindowSystem::Current().GetBackend().OffersFiles(); }

void OfferFileToPlayer(const CString& filePath) { WindowSystem::Current().GetBackend().OfferFile(filePath); }

BOOL PlaySoundW(const char16_t* name, HINSTANCE module, DWORD flags) {
  PLATFORM_REQUIRE(flags == (SND_RESOURCE | SND_ASYNC), "only asynchronous resource sounds are supported");
  PLATFORM_REQUIRE(module == AfxGetInstanceHandle(), "sounds come from the program's own module");
  PLATFORM_REQUIRE(name != nullptr, "a sound needs a name");
  const std::u16string_view soundName(name);
  const std::span<const unsigned char> wave = FindResourceBytes(ResourceType::Wave, soundName);
  if (wave.empty()) return FALSE;
  WindowSystem::Current().GetBackend().PlayWave(soundName, wave);
  return TRUE;
}
