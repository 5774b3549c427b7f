#pragma once
// Layered off-screen drawing for the owner-drawn controls (dice, score cells, labels).
// Each layer is a bitmap of the control's client size, selected into its own memory
// context for the buffer's whole life. A control paints its background into a layer
// once, copies it onto a working layer at every redraw, draws its content there and
// presents the working layer on its window in one block transfer, so the window changes
// in a single step and can be redrawn at any moment, not only on a paint message.
//
// How a control uses it:
//   m_pBuffer = std::make_unique<COffscreenBuffer>(this, 2);  // after its window exists
//   thePainter.SetTarget(m_pBuffer->GetLayerDC(0));          // paint the background once
//   m_pBuffer->CopyLayer(0, 1);                              // every redraw
//   thePainter.SetTarget(m_pBuffer->GetLayerDC(1));          // draw the content
//   m_pBuffer->Present(1);
// Layer indices are not checked: callers stay below the count they asked for.
#include <memory>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/wnd/wnd.h"

class COffscreenBuffer {
 public:
  COffscreenBuffer(CWnd* pOwner, int nLayers);
  ~COffscreenBuffer();
  COffscreenBuffer(const COffscreenBuffer&) = delete;
  COffscreenBuffer& operator=(const COffscreenBuffer&) = delete;

  CDC* GetLayerDC(int nLayer);
  // Copies the whole source layer onto the destination layer.
  void CopyLayer(int nSource, int nDestination);
  // Copies the whole layer onto the owner's window at its client origin.
  void Present(int nLayer);

 private:
  CDC* m_pScreenDC;
  CWnd* m_pOwner;
  CRect m_rcClient;
  std::vector<int> m_savedStates;
  std::vector<std::unique_ptr<CBitmap>> m_layerBitmaps;
  std::vector<std::unique_ptr<CDC>> m_layerDCs;  // declared last: each goes before its bitmap
};
