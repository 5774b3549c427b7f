#pragma once
// The handheld's message ids, window and control styles, flags and key codes, with their
// original values, so that dialog templates and message handling read as on the device.
#include <cstdint>

#include "platform/core/key_codes.h"
#include "platform/core/win_types.h"

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>((static_cast<std::uint32_t>(low) & 0xFFFF) |
                             ((static_cast<std::uint32_t>(high) & 0xFFFF) << 16));
}

// Window messages
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_ENDSESSION = 0x0016;
constexpr UINT WM_HELP = 0x0053;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_UPDATEUISTATE = 0x0128;
// The desktop's own: the help viewer started by CreateProcessW ended in failure (WM_APP + 1).
constexpr UINT WM_HELPVIEWERFAILED = 0x8001;
// The program's own: the view the screen is shown in took a new shape (WM_APP + 2).
constexpr UINT WM_VIEWSHAPECHANGED = 0x8002;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;

constexpr UINT MK_LBUTTON = 0x0001;

// WM_UPDATEUISTATE: the action (low word) on the cues (high word). Focus cues are hidden
// until the keyboard is used, and hidden again by the next pen tap.
constexpr WORD UIS_SET = 1;
constexpr WORD UIS_CLEAR = 2;
constexpr WORD UISF_HIDEFOCUS = 0x1;

// Window styles
constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
constexpr DWORD WS_EX_TOPMOST = 0x00000008;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;

// Dialog styles
constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_MODALFRAME = 0x0080;
constexpr DWORD DS_CENTER = 0x0800;

// Static control styles and notification
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_ICON = 0x0003;
constexpr DWORD SS_TYPEMASK = 0x001F;
constexpr DWORD SS_NOTIFY = 0x0100;
constexpr WORD STN_CLICKED = 0;

// Button styles, states and notification
constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_TYPEMASK = 0x000F;
constexpr int BST_UNCHECKED = 0x0000;
constexpr int BST_CHECKED = 0x0001;
constexpr WORD BN_CLICKED = 0;

// Edit control styles
constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_CENTER = 0x0001;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_WANTRETURN = 0x1000;

// SetWindowPos flags
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;

// Sounds
constexpr DWORD SND_ASYNC = 0x00000001;
constexpr DWORD SND_RESOURCE = 0x00040004;

// Shell: title-bar OK button and input panel
constexpr DWORD SHDB_SHOW = 0x0001;
constexpr DWORD SHDB_HIDE = 0x0002;
constexpr int SIP_UP = 0;
constexpr int SIP_FORCEDOWN = 2;

// The title bar's caption was tapped (not its buttons): a command the dialog in front may
// take, and the others ignore.
constexpr int IDC_CAPTION = 0xFFF0;
