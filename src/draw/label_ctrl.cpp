#include "draw/label_ctrl.h"

#include <utility>

#include "draw/owner_drawn.h"
#include "draw/painter.h"
#include "draw/solid_layer.h"

namespace {
constexpr int kBackgroundLayer = 0;
constexpr int kWorkingLayer = 1;
constexpr int kCentred = 1;
}  // namespace

CLabelCtrl::CLabelCtrl(CWnd* pParent, UINT nID) : m_pParent(pParent), m_nID(nID) {
  ReplacePlaceholder(this, m_pParent, m_nID, m_rcWindow, m_rcClient);
  m_pBuffer = std::make_unique<COffscreenBuffer>(this, 2);
}

void CLabelCtrl::SetText(CString strText) {
  m_strText = std::move(strText);
  DrawLabel();
}

void CLabelCtrl::SetColors(COLORREF crText, COLORREF crBackground) {
  m_crText = crText;
  m_crBackground = crBackground;
  m_bBackgroundDrawn = false;
  DrawLabel();
}

void CLabelCtrl::OnPaint() { DrawLabel(); }

void CLabelCtrl::OnLButtonDown(UINT, CPoint) {}

void CLabelCtrl::DrawLabel() {
  RedrawOwnerDrawn(
      this, *m_pBuffer, m_bBackgroundDrawn, kBackgroundLayer, kWorkingLayer,
      [this] { PaintSolidLayer(*m_pBuffer, kBackgroundLayer, m_rcClient, m_crBackground); },
      [this](CDC* pLayer) {
        thePainter.SetTarget(pLayer);
        thePainter.DrawTextLarge(m_strText, m_rcClient, m_crText, m_crBackground, kCentred);
      });
}
