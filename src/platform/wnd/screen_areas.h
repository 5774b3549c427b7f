#pragma once
// The strips of the handheld's screen that the shell keeps for itself, and what is left
// for the program's dialogs between them.
#include "platform/core/screen_size.h"
#include "platform/core/win_types.h"

constexpr int TITLE_BAR_HEIGHT = 26;
constexpr int MENU_BAR_HEIGHT = 26;
constexpr RECT WORK_AREA{0, TITLE_BAR_HEIGHT, SCREEN_WIDTH, SCREEN_HEIGHT - MENU_BAR_HEIGHT};
