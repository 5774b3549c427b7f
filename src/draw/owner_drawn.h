#pragma once
// The skeleton every owner-drawn control shares: taking the place of a placeholder item
// of its dialog's template, and the order of a redraw through its COffscreenBuffer.
//
// How a control uses it, in its constructor:
//   ReplacePlaceholder(this, pParent, nID, m_rcWindow, m_rcClient);
//   m_pBuffer = std::make_unique<COffscreenBuffer>(this, 2);
//   m_bBackgroundDrawn = false;
// and in its redraw (from OnPaint and from every setter):
//   RedrawOwnerDrawn(this, *m_pBuffer, m_bBackgroundDrawn, 0, 1,
//                    [&] { /* paint layer 0 */ }, [&](CDC* pLayer) { /* draw content */ });
#include "draw/offscreen_buffer.h"
#include "platform/wnd/wnd.h"

// Finds the parent's item nID, takes its rectangle in the parent's client coordinates
// (rcWindow) and its client rectangle (rcClient), destroys it, and creates the control's
// own visible child window there with the same id, on top of its siblings.
void ReplacePlaceholder(CWnd* pControl, CWnd* pParent, UINT nID, CRect& rcWindow, CRect& rcClient);

// Validates the window, paints the background layers once (until the control clears
// bBackgroundDrawn), rebuilds the working layer from a background layer, draws the
// content on it and presents it.
template <class PaintBackground, class DrawContent>
void RedrawOwnerDrawn(CWnd* pControl, COffscreenBuffer& buffer, bool& bBackgroundDrawn, int nBackgroundLayer,
                      int nWorkingLayer, PaintBackground paintBackground, DrawContent drawContent) {
  CPaintDC dc(pControl);
  if (!bBackgroundDrawn) {
    paintBackground();
    bBackgroundDrawn = true;
  }
  buffer.CopyLayer(nBackgroundLayer, nWorkingLayer);
  drawContent(buffer.GetLayerDC(nWorkingLayer));
  buffer.Present(nWorkingLayer);
}
