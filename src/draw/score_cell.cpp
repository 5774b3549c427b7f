#include "draw/score_cell.h"

#include "draw/owner_drawn.h"
#include "draw/painter.h"
#include "draw/solid_layer.h"
#include "draw/sound_cue.h"
#include "persistence/text_util.h"

namespace {
constexpr int kOfferLayer = 0;
constexpr int kPlainLayer = 1;
constexpr int kWorkingLayer = 2;
constexpr int kOfferCornerSize = 10;

constexpr COLORREF kBoardGreen = RGB(0, 153, 51);
constexpr COLORREF kOfferPanel = RGB(0, 204, 51);
constexpr COLORREF kOfferText = RGB(0, 102, 51);
constexpr COLORREF kPlainText = RGB(255, 255, 255);
constexpr COLORREF kFocusRing = RGB(255, 255, 0);
}  // namespace

CScoreCell::CScoreCell(CWnd* pParent, UINT nID, bool bCommitOnTap)
    : CScorecardEntry(bCommitOnTap), m_pParent(pParent), m_nID(nID) {
  ReplacePlaceholder(this, m_pParent, m_nID, m_rcWindow, m_rcClient);
  m_rcText = m_rcClient;
  m_rcText.DeflateRect(1);
  m_pBuffer = std::make_unique<COffscreenBuffer>(this, 3);
}

void CScoreCell::OnPaint() { DrawCell(); }

void CScoreCell::OnLButtonDown(UINT, CPoint) {
  if (!Take()) return;
  PlayCue(u"WAV_5");
  m_pParent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(m_nID), STN_CLICKED),
                         reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CScoreCell::OnLButtonUp(UINT, CPoint) {}

void CScoreCell::ShowFocusRing(bool bShown) {
  if (bShown == m_bFocusRing) return;
  m_bFocusRing = bShown;
  DrawCell();
}

void CScoreCell::OnUpdateUIState(UINT nAction, UINT nUIElement) {
  if (nAction == UIS_SET && (nUIElement & UISF_HIDEFOCUS)) ShowFocusRing(false);
}

void CScoreCell::DrawCell() {
  const bool bOffered = m_bOffered;
  RedrawOwnerDrawn(
      this, *m_pBuffer, m_bBackgroundDrawn, bOffered ? kOfferLayer : kPlainLayer, kWorkingLayer,
      [this] {
        PaintSolidLayer(*m_pBuffer, kOfferLayer, m_rcClient, kBoardGreen);
        thePainter.FillRoundRect(m_rcClient, kOfferCornerSize, kOfferPanel);
        PaintSolidLayer(*m_pBuffer, kPlainLayer, m_rcClient, kBoardGreen);
      },
      [this, bOffered](CDC* pLayer) {
        const CString text = m_nValue >= 0 ? theTextUtil.IntToText(m_nValue) : CString(u"-");
        thePainter.SetTarget(pLayer);
        thePainter.DrawTextLarge(text, m_rcText, bOffered ? kOfferText : kPlainText,
                                 bOffered ? kOfferPanel : kBoardGreen, 1);
        if (m_bFocusRing && bOffered) {
          CRect rcRing = m_rcClient;
          thePainter.FrameRect(rcRing, kFocusRing);
          rcRing.DeflateRect(1);
          thePainter.FrameRect(rcRing, kFocusRing);
        }
      });
}
