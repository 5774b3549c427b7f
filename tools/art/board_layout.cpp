#include "board_layout.h"

namespace {

constexpr DialogUnitRect kCellSize{0, 0, 22, 14};
constexpr int kCellColumnX[2] = {37, 97};
constexpr int kCellRowY[7] = {20, 36, 52, 68, 84, 100, 116};

}  // namespace

CRect DialogUnitsToPixels(const DialogUnitRect& u) {
  return CRect(MulDiv(u.x, 6, 4), MulDiv(u.y, 13, 8), MulDiv(u.x + u.width, 6, 4), MulDiv(u.y + u.height, 13, 8));
}

// Cells 0 to 13 go left, right, left, right down the seven rows; 14 is TOTAL.
CRect BoardCellPixels(int index) {
  if (index == kBoardCells - 1) return DialogUnitsToPixels({51, 139, kCellSize.width, kCellSize.height});
  return DialogUnitsToPixels({kCellColumnX[index % 2], kCellRowY[index / 2], kCellSize.width, kCellSize.height});
}

CRect BoardDiePixels(int index) { return DialogUnitsToPixels({130, 16 + 24 * index, 23, 22}); }

CRect BoardRollsCounterPixels() { return DialogUnitsToPixels({97, 139, 22, 14}); }

CRect BoardGoPixels() { return DialogUnitsToPixels({126, 136, 32, 23}); }

CRect BoardPicturePixels() { return DialogUnitsToPixels({0, 0, 160, 165}); }
