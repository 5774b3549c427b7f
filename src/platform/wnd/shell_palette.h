#pragma once
// The shell's colours: its blue for captions, highlights, focus and pressed keys, its
// greys for bars and panels, white and black for menus, keys and frames.
#include "platform/core/win_types.h"

constexpr COLORREF SHELL_BLUE = RGB(0, 51, 153);
constexpr COLORREF SHELL_WHITE = RGB(255, 255, 255);
constexpr COLORREF SHELL_BLACK = RGB(0, 0, 0);
constexpr COLORREF SHELL_FACE_GREY = RGB(214, 211, 206);
constexpr COLORREF SHELL_LINE_GREY = RGB(128, 128, 128);

constexpr COLORREF DESKTOP_COLOR = SHELL_WHITE;
constexpr COLORREF TITLE_COLOR = SHELL_BLUE;
constexpr COLORREF TITLE_TEXT_COLOR = SHELL_WHITE;
constexpr COLORREF DIALOG_FRAME_COLOR = SHELL_BLACK;
constexpr COLORREF BAR_COLOR = SHELL_FACE_GREY;
constexpr COLORREF BAR_LINE_COLOR = SHELL_LINE_GREY;
constexpr COLORREF MENU_TEXT_COLOR = SHELL_BLACK;
constexpr COLORREF MENU_BACKGROUND = SHELL_WHITE;
constexpr COLORREF HIGHLIGHT_COLOR = SHELL_BLUE;
constexpr COLORREF HIGHLIGHT_TEXT_COLOR = SHELL_WHITE;
