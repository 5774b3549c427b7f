#pragma once
// A minimal owner-drawn control for the tests and benchmarks of the shared redraw path:
// a background layer in one colour and a white square of content on the working layer.
#include <memory>

#include "draw/owner_drawn.h"
#include "platform/wnd/paint_helpers.h"

class SquareCtrl : public CWnd {
 public:
  static constexpr COLORREF BACKGROUND = RGB(0, 102, 51);
  static constexpr COLORREF CONTENT = RGB(255, 255, 255);

  SquareCtrl(CWnd* pParent, UINT nID) {
    ReplacePlaceholder(this, pParent, nID, m_rcWindow, m_rcClient);
    m_pBuffer = std::make_unique<COffscreenBuffer>(this, 2);
  }

  void SetSquare(int size) {
    m_nSquare = size;
    Redraw();
  }
  void ForgetBackground() { m_bBackgroundDrawn = false; }

  CRect m_rcWindow;
  CRect m_rcClient;
  int backgroundPaints = 0;

 protected:
  void OnPaint() override { Redraw(); }

 private:
  void Redraw() {
    RedrawOwnerDrawn(
        this, *m_pBuffer, m_bBackgroundDrawn, 0, 1,
        [this] {
          FillSolid(*m_pBuffer->GetLayerDC(0), m_rcClient, BACKGROUND);
          ++backgroundPaints;
        },
        [this](CDC* pLayer) { FillSolid(*pLayer, CRect(2, 2, 2 + m_nSquare, 2 + m_nSquare), CONTENT); });
  }

  std::unique_ptr<COffscreenBuffer> m_pBuffer;
  bool m_bBackgroundDrawn = false;
  int m_nSquare = 0;
};
