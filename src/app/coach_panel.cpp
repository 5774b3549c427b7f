#include "app/coach_panel.h"

#include <algorithm>
#include <utility>

#include "draw/painter.h"
#include "platform/core/screen_size.h"

namespace {
// The board's large text: 18-pixel cells, so a line every 19 pixels.
constexpr int kLineHeight = 19;
constexpr int kMargin = 6;
constexpr int kLeftAligned = 0;

// The last line needs no gap beneath it, so the margin is only above the first.
int BelowHeight(std::size_t lines) {
  return kMargin + static_cast<int>(std::max<std::size_t>(kCoachPanelBelowRows, lines)) * kLineHeight;
}

}  // namespace

CRect SidePanelRect() { return CRect(SCREEN_WIDTH, 0, SCREEN_WIDTH + kCoachPanelWidth, SCREEN_HEIGHT); }

namespace {
CRect PanelRect(CoachPlace place, std::size_t lines) {
  return place == CoachPlace::Below ? CRect(0, SCREEN_HEIGHT, SCREEN_WIDTH, SCREEN_HEIGHT + BelowHeight(lines))
                                    : SidePanelRect();
}
}  // namespace

void PaintSidePanelGround(const CRect& client) {
  thePainter.FillRect(client, kSidePanelColor);
  thePainter.DrawLine(0, 0, 0, client.bottom, kSidePanelRuleColor);
}

CoachPlace CoachPlaceFor(SIZE view) {
  if (view.cx <= 0 || view.cy <= 0) return CoachPlace::Beside;
  // The scale each frame fits the view at, the smaller of width's and height's; compared
  // with the denominators multiplied out.
  const double width = view.cx;
  const double height = view.cy;
  const double besideScale = std::min(width / (SCREEN_WIDTH + kCoachPanelWidth), height / SCREEN_HEIGHT);
  const double belowScale = std::min(width / SCREEN_WIDTH, height / (SCREEN_HEIGHT + BelowHeight(0)));
  return belowScale > besideScale ? CoachPlace::Below : CoachPlace::Beside;
}

CCoachPanel::CCoachPanel(CWnd* pBoard, UINT nToggleCommand, CoachPlace place)
    : m_pBoard(pBoard), m_nToggleCommand(nToggleCommand), m_place(place) {
  CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, PanelRect(place, 0), pBoard, 0);
}

CCoachPanel::~CCoachPanel() { DestroyWindow(); }

void CCoachPanel::SetLines(std::vector<CString> lines) {
  if (lines == m_lines) return;
  const bool bHeightChanges = m_place == CoachPlace::Below && BelowHeight(lines.size()) != BelowHeight(m_lines.size());
  m_lines = std::move(lines);
  if (bHeightChanges) Fit();
  Invalidate();
}

void CCoachPanel::Place(CoachPlace place) {
  if (place == m_place) return;
  m_place = place;
  Fit();
}

void CCoachPanel::Fit() {
  const CRect rect = PanelRect(m_place, m_lines.size());
  SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), 0);
  Invalidate();
}

void CCoachPanel::OnPaint() {
  CPaintDC dc(this);
  thePainter.SetTarget(&dc);
  CRect client;
  GetClientRect(&client);
  // The rule along the edge the panel shares with the screen.
  if (m_place == CoachPlace::Below) {
    thePainter.FillRect(client, kSidePanelColor);
    thePainter.DrawLine(0, 0, client.right, 0, kSidePanelRuleColor);
  } else {
    PaintSidePanelGround(client);
  }
  int top = kMargin;
  for (const CString& line : m_lines) {
    const CRect row(kMargin, top, client.right - kMargin, top + kLineHeight);
    thePainter.DrawTextLarge(line, row, kSidePanelTextColor, kSidePanelColor, kLeftAligned);
    top += kLineHeight;
  }
  thePainter.SetTarget(nullptr);
}

void CCoachPanel::OnLButtonUp(UINT, CPoint) {
  m_pBoard->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(m_nToggleCommand), BN_CLICKED));
}
