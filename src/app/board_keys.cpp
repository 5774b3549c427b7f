#include "app/board_keys.h"

#include "app/board_dlg.h"
#include "app/statistics_panel.h"
#include "draw/score_cell.h"
#include "resources/resource_ids.h"
#include "rules/scoring.h"

namespace {
// The cells that can show an offer: the thirteen categories and Bonus. On the board they
// stand in two columns, index 2k at the left and 2k + 1 at the right of row k.
constexpr int kFocusableCells = kCategoryCount + 1;

CScoreCell* CellAt(CWnd& board, int nIndex) {
  return dynamic_cast<CScoreCell*>(board.GetDlgItem(IDC_CELL_FIRST + nIndex));
}

bool IsOffered(CWnd& board, int nIndex) {
  const CScoreCell* pCell = CellAt(board, nIndex);
  return pCell != nullptr && pCell->IsOffered();
}

int FocusedCell(CWnd& board) {
  for (int i = 0; i < kFocusableCells; ++i) {
    const CScoreCell* pCell = CellAt(board, i);
    if (pCell != nullptr && pCell->HasFocusRing()) return i;
  }
  return -1;
}

// The pen's tap on the centre of a control: down, then up.
void Tap(CWnd* pControl) {
  if (pControl == nullptr) return;
  RECT rc{};
  pControl->GetClientRect(&rc);
  const LPARAM ptCentre = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  pControl->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ptCentre);
  pControl->SendMessage(WM_LBUTTONUP, 0, ptCentre);
}

void Command(CWnd& board, int nID, WORD wCode, const CWnd* pFrom = nullptr) {
  board.SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(nID), wCode),
                    reinterpret_cast<LPARAM>(pFrom != nullptr ? pFrom->GetSafeHwnd() : nullptr));
}

// The next offered cell from nFrom in steps of nStep, round the ends; -1 when none.
// From no cell, a forward search starts at the first cell and a backward one at the last.
int NextOffered(CWnd& board, int nFrom, int nStep) {
  int nIndex = nFrom >= 0 ? nFrom : (nStep > 0 ? -1 : kFocusableCells);
  for (int nTries = 0; nTries < kFocusableCells; ++nTries) {
    nIndex = ((nIndex + nStep) % kFocusableCells + kFocusableCells) % kFocusableCells;
    if (IsOffered(board, nIndex)) return nIndex;
  }
  return -1;
}

// Up and down stay in the cell's column, round its ends; a column without offers leaves
// the move to the order of the cells.
int NextOfferedInColumn(CWnd& board, int nFrom, int nDirection) {
  if (nFrom >= 0) {
    const int nColumn = nFrom % 2;
    const int nRows = (kFocusableCells + 1 - nColumn) / 2;
    int nRow = nFrom / 2;
    for (int nTries = 1; nTries < nRows; ++nTries) {
      nRow = ((nRow + nDirection) % nRows + nRows) % nRows;
      if (IsOffered(board, 2 * nRow + nColumn)) return 2 * nRow + nColumn;
    }
  }
  return NextOffered(board, nFrom, nDirection);
}

void MoveFocus(CWnd& board, int nTo) {
  const int nFrom = FocusedCell(board);
  if (nTo < 0 || nTo == nFrom) return;
  if (nFrom >= 0) CellAt(board, nFrom)->ShowFocusRing(false);
  CellAt(board, nTo)->ShowFocusRing(true);
}
}  // namespace

void HandleBoardKey(CBoardDlg& board, UINT nKey) {
  const bool bControl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  const bool bShift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  if (bControl) {
    if (nKey == 'N') board.OnNewGameKey();
    if (nKey == 'Q') Command(board, ID_EXIT, BN_CLICKED);
    return;
  }
  if (CStatisticsPanel* pStatistics = board.StatisticsPanel(); pStatistics != nullptr && pStatistics->HandleKey(nKey)) {
    return;
  }
  for (const UINT nFirstDieKey : {UINT{'1'}, VK_NUMPAD0 + 1}) {
    if (nKey >= nFirstDieKey && nKey < nFirstDieKey + kDiceCount) {
      Tap(board.GetDlgItem(IDC_DIE_FIRST + static_cast<int>(nKey - nFirstDieKey)));
      return;
    }
  }
  const int nFocused = FocusedCell(board);
  switch (nKey) {
    case VK_SPACE:
    case 'G': Command(board, IDC_GO, STN_CLICKED, board.GetDlgItem(IDC_GO)); break;
    case 'C': Command(board, ID_COACH, BN_CLICKED); break;
    case 'S': Command(board, ID_STATISTICS, BN_CLICKED); break;
    case VK_RETURN:
      if (nFocused >= 0 && IsOffered(board, nFocused)) Tap(CellAt(board, nFocused));
      break;
    case VK_TAB: MoveFocus(board, NextOffered(board, nFocused, bShift ? -1 : 1)); break;
    case VK_RIGHT: MoveFocus(board, NextOffered(board, nFocused, 1)); break;
    case VK_LEFT: MoveFocus(board, NextOffered(board, nFocused, -1)); break;
    case VK_DOWN: MoveFocus(board, NextOfferedInColumn(board, nFocused, 1)); break;
    case VK_UP: MoveFocus(board, NextOfferedInColumn(board, nFocused, -1)); break;
    default: break;
  }
}
