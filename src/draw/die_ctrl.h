#pragma once
// One die of the board: a white or red face (the Dice Color option, read at every
// redraw), the hand over it while it is held, or nothing but the dark green of the dice
// column while it is blank. Every change is drawn on the screen before the call returns,
// because a roll runs inside one timer tick and sleeps between its steps.
#include <memory>

#include "draw/offscreen_buffer.h"
#include "platform/wnd/wnd.h"

class CDieCtrl : public CWnd {
 public:
  // Takes the place of the parent's placeholder item nID; shows a random face, not held,
  // holdable.
  CDieCtrl(CWnd* pParent, UINT nID);

  void SetValue(int nValue);
  int GetValue() const { return m_nValue; }
  // Neither redraws: the turn flow follows them with Blank or a roll.
  void SetHeld(BOOL bHeld) { m_bHeld = bHeld != FALSE; }
  void SetHoldable(BOOL bHoldable) { m_bHoldable = bHoldable != FALSE; }
  bool IsHeld() const { return m_bHeld; }
  bool IsHoldable() const { return m_bHoldable; }
  bool IsBlank() const { return m_bBlank; }
  // Hides the face of a die that is not held; a held die stays as it is.
  void Blank();
  // A held die keeps its value and loses its hold; any other die gets a new value.
  int Roll();

 protected:
  void OnPaint() override;
  // A tap toggles the hold while holding is allowed, is refused with a sound otherwise,
  // and does nothing at all on a blank die.
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;

 private:
  void DrawDie();

  CWnd* m_pParent;
  CRect m_rcWindow;
  UINT m_nID;
  std::unique_ptr<COffscreenBuffer> m_pBuffer;  // goes before the window, which goes with the base
  int m_nValue;
  bool m_bBackgroundDrawn = false;
  bool m_bHoldable = true;
  bool m_bHeld = false;
  bool m_bBlank = false;
  CPoint m_ptFace{1, 1};
  CRect m_rcClient;
  COLORREF m_crBackground = RGB(0, 102, 51);
};
