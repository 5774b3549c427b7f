#pragma once
// One number field of the score board (a category, Bonus or TOTAL): the scorecard entry
// of the rules, drawn. A pending offer shows dark green on a light green rounded panel;
// anything else shows white on the board's green; no value shows "-". A tap takes the
// offer by the entry's rule, sounds the confirmation and tells the parent (STN_CLICKED);
// the board settles the turn at its next tick.
#include <memory>

#include "draw/offscreen_buffer.h"
#include "platform/wnd/wnd.h"
#include "rules/score_entry.h"

class CScoreCell : public CWnd, public CScorecardEntry {
 public:
  // Takes the place of the parent's placeholder item nID. Only Bonus is created with
  // bCommitOnTap false: taking its offer fills nothing.
  CScoreCell(CWnd* pParent, UINT nID, bool bCommitOnTap);

  // The keyboard focus: a ring drawn while the cell shows an offer. The next pen tap
  // anywhere takes it away.
  void ShowFocusRing(bool bShown);
  bool HasFocusRing() const { return m_bFocusRing; }

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnChanged() override { DrawCell(); }
  void OnUpdateUIState(UINT nAction, UINT nUIElement) override;

 private:
  void DrawCell();

  CWnd* m_pParent;
  CRect m_rcWindow;
  UINT m_nID;
  std::unique_ptr<COffscreenBuffer> m_pBuffer;  // goes before the window, which goes with the base
  bool m_bBackgroundDrawn = false;
  CRect m_rcClient;
  CRect m_rcText;
  bool m_bFocusRing = false;
};
