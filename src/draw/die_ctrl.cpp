#include "draw/die_ctrl.h"

#include "draw/owner_drawn.h"
#include "draw/painter.h"
#include "draw/random_die.h"
#include "draw/solid_layer.h"
#include "draw/sound_cue.h"
#include "persistence/game_settings.h"
#include "resources/resource_ids.h"

namespace {
constexpr int kBackgroundLayer = 0;
constexpr int kWorkingLayer = 1;
}  // namespace

CDieCtrl::CDieCtrl(CWnd* pParent, UINT nID) : m_pParent(pParent), m_nID(nID), m_nValue(RandomDieValue()) {
  ReplacePlaceholder(this, m_pParent, m_nID, m_rcWindow, m_rcClient);
  m_pBuffer = std::make_unique<COffscreenBuffer>(this, 2);
}

void CDieCtrl::SetValue(int nValue) {
  m_nValue = nValue;
  DrawDie();
}

void CDieCtrl::Blank() {
  if (m_bHeld) return;
  m_bBlank = true;
  DrawDie();
}

int CDieCtrl::Roll() {
  if (m_bHeld) {
    m_bHeld = false;
  } else {
    m_bBlank = false;
    m_nValue = RandomDieValue();
  }
  DrawDie();
  return m_nValue;
}

void CDieCtrl::OnPaint() { DrawDie(); }

void CDieCtrl::OnLButtonDown(UINT, CPoint) {
  if (m_bBlank) return;
  if (!m_bHoldable) {
    PlayCue(u"WAV_6");
    return;
  }
  PlayCue(u"WAV_4");
  m_bHeld = !m_bHeld;
  DrawDie();
}

void CDieCtrl::OnLButtonUp(UINT, CPoint) {}

void CDieCtrl::DrawDie() {
  RedrawOwnerDrawn(
      this, *m_pBuffer, m_bBackgroundDrawn, kBackgroundLayer, kWorkingLayer,
      [this] { PaintSolidLayer(*m_pBuffer, kBackgroundLayer, m_rcClient, m_crBackground); },
      [this](CDC* pLayer) {
        if (m_bBlank) return;
        thePainter.SetTarget(pLayer);
        if (m_nValue >= 1 && m_nValue <= 6) {
          const int faceBase = theSettings.m_nColor == 1 ? IDI_RED_FACE_BASE : IDI_WHITE_FACE_BASE;
          thePainter.DrawIcon(m_ptFace.x, m_ptFace.y, static_cast<UINT>(faceBase + m_nValue));
        }
        if (m_bHoldable && m_bHeld) thePainter.DrawIcon(m_ptFace.x, m_ptFace.y, IDI_HAND);
      });
}
