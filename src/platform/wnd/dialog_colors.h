#pragma once
// The colours of every dialog of the program, background and static text, which the
// application object sets once for all of them.
#include "platform/core/win_types.h"

void SetDialogColors(COLORREF background, COLORREF text);
COLORREF DialogBackgroundColor();
COLORREF DialogTextColor();
