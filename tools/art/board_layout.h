#pragma once
// Where the board dialog puts its controls: the rectangles of the board template, in
// dialog units, and the pixel rectangles they become on the handheld, where a dialog unit
// is 6/4 pixel across and 13/8 pixel down and every edge is rounded as MulDiv rounds.
#include "platform/gdi/gdi.h"

struct DialogUnitRect {
  int x;
  int y;
  int width;
  int height;
};

CRect DialogUnitsToPixels(const DialogUnitRect& units);

constexpr int kBoardCells = 15;  // ids 1026 to 1040, in id order
constexpr int kBoardDice = 5;    // ids 1000 to 1004

CRect BoardCellPixels(int index);
CRect BoardDiePixels(int index);
CRect BoardRollsCounterPixels();
CRect BoardGoPixels();
CRect BoardPicturePixels();
