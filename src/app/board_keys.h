#pragma once
// The board by keyboard. Every key does what a tap does, through the same message the pen
// would give: Space or G taps GO, 1 to 5 tap the dice, the arrows and Tab move a focus
// ring over the cells that show an offer, Enter taps the focused offer, Ctrl+N starts a
// new game (asking first during one) and Ctrl+Q chooses "Exit". Escape, F1 and the menu
// keys are the window layer's. The ring goes at the next pen tap.
#include "platform/wnd/wnd.h"

class CBoardDlg;

// A key press that reached the board itself.
void HandleBoardKey(CBoardDlg& board, UINT nKey);
