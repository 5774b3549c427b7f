#include "app/coach_panel.h"

#include <utility>

#include "draw/painter.h"
#include "platform/core/screen_size.h"

namespace {
constexpr COLORREF kPanelColor = RGB(0, 102, 51);
constexpr COLORREF kTextColor = RGB(255, 255, 255);
constexpr COLORREF kRuleColor = RGB(156, 215, 173);
// The board's large text: 18-pixel cells, so a line every 19 pixels.
constexpr int kLineHeight = 19;
constexpr int kMargin = 6;
constexpr int kLeftAligned = 0;
}  // namespace

CCoachPanel::CCoachPanel(CWnd* pBoard, UINT nToggleCommand) : m_pBoard(pBoard), m_nToggleCommand(nToggleCommand) {
  CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE,
           CRect(SCREEN_WIDTH, 0, SCREEN_WIDTH + kCoachPanelWidth, SCREEN_HEIGHT), pBoard, 0);
}

CCoachPanel::~CCoachPanel() { DestroyWindow(); }

void CCoachPanel::SetLines(std::vector<CString> lines) {
  if (lines == m_lines) return;
  m_lines = std::move(lines);
  Invalidate();
}

void CCoachPanel::OnPaint() {
  CPaintDC dc(this);
  thePainter.SetTarget(&dc);
  CRect client;
  GetClientRect(&client);
  thePainter.FillRect(client, kPanelColor);
  thePainter.DrawLine(0, 0, 0, client.bottom, kRuleColor);
  int top = kMargin;
  for (const CString& line : m_lines) {
    const CRect row(kMargin, top, client.right - kMargin, top + kLineHeight);
    thePainter.DrawTextLarge(line, row, kTextColor, kPanelColor, kLeftAligned);
    top += kLineHeight;
  }
  thePainter.SetTarget(nullptr);
}

void CCoachPanel::OnLButtonUp(UINT, CPoint) {
  m_pBoard->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(m_nToggleCommand), BN_CLICKED));
}
