#pragma once
// A line of centred text in its own colours, owner-drawn over a placeholder item: the
// board's rolls counter and the rows of the Hi Scores table. It takes no input: a tap on
// it is swallowed.
#include <memory>

#include "draw/offscreen_buffer.h"
#include "platform/wnd/wnd.h"

class CLabelCtrl : public CWnd {
 public:
  // Takes the place of the parent's placeholder item nID; empty text, light green on the
  // dark green of the dice column.
  CLabelCtrl(CWnd* pParent, UINT nID);

  void SetText(CString strText);
  const CString& GetText() const { return m_strText; }
  void SetColors(COLORREF crText, COLORREF crBackground);

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;

 private:
  void DrawLabel();

  CWnd* m_pParent;
  CRect m_rcWindow;
  UINT m_nID;
  std::unique_ptr<COffscreenBuffer> m_pBuffer;  // goes before the window, which goes with the base
  CString m_strText;
  bool m_bBackgroundDrawn = false;
  CRect m_rcClient;
  COLORREF m_crBackground = RGB(0, 102, 51);
  COLORREF m_crText = RGB(170, 255, 170);
};
