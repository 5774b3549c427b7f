#pragma once
// Message boxes as the game calls them. The window layer installs the presenter that
// shows a real modal box; until one is installed a box is written to standard error
// and answered with its safe button (OK, or No).
#include <functional>

#include "platform/core/win_types.h"

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;  // No, not Yes, answers Enter

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

struct WindowHandle;
using HWND = WindowHandle*;

struct MessageBoxRequest {
  CString text;
  CString caption;
  UINT type = MB_OK;
};

using MessageBoxPresenter = std::function<int(const MessageBoxRequest&)>;

// Returns the presenter that was installed before.
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);

// Writes the box to standard error and answers it with its safe button (OK, or No), for a
// box that nobody can answer.
int ReportOnStandardError(const MessageBoxRequest& request);

int MessageBoxW(HWND owner, const CString& text, const CString& caption, UINT type);

// The framework's standard box: captioned with the application's name.
int AfxMessageBox(const CString& text, UINT type = MB_OK);

void SetAppName(const CString& name);
const CString& AfxGetAppName();
