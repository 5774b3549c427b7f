#include "platform/wnd/title_bar_wnd.h"

#include <utility>

#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/screen_areas.h"
#include "platform/wnd/shell_palette.h"

namespace {
constexpr int TITLE_BUTTON_SIZE = 20;
}  // namespace

TitleBarWnd::TitleBarWnd() {
  CreateEx(WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, SCREEN_WIDTH, TITLE_BAR_HEIGHT), nullptr,
           0);
}

void TitleBarWnd::Follow(CDialog* dialog) {
  State state;
  if (dialog != nullptr)
    state = State{dialog, dialog->GetWindowTextString(), dialog->ShowsCloseBox(), dialog->ShowsCaptionOk()};
  if (state == m_state) return;
  m_state = state;
  Invalidate();
}

std::optional<CRect> TitleBarWnd::ButtonRect(bool ok) const {
  if (ok ? !m_state.ok : !m_state.close) return std::nullopt;
  const int top = (TITLE_BAR_HEIGHT - TITLE_BUTTON_SIZE) / 2;
  const int width = ok ? TITLE_BUTTON_SIZE + 6 : TITLE_BUTTON_SIZE;
  return CRect(SCREEN_WIDTH - 3 - width, top, SCREEN_WIDTH - 3, top + TITLE_BUTTON_SIZE);
}

void TitleBarWnd::OnPaint() {
  CPaintDC dc(this);
  const CRect client = ClientOf(this);
  FillSolid(dc, client, TITLE_COLOR);
  CRect text = client;
  text.left += 6;
  text.right -= TITLE_BUTTON_SIZE + 12;
  DrawTextIn(dc, m_state.caption, text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, TITLE_TEXT_COLOR, &StandardFont(true));
  if (const auto box = ButtonRect(false)) {
    FrameSolid(dc, *box, TITLE_TEXT_COLOR);
    for (int d = 0; d < 2; ++d) {
      DrawLine(dc, box->left + 5 + d, box->top + 5, box->right - 5 + d, box->bottom - 5, TITLE_TEXT_COLOR);
      DrawLine(dc, box->right - 6 + d, box->top + 5, box->left + 4 + d, box->bottom - 5, TITLE_TEXT_COLOR);
    }
  }
  if (const auto ok = ButtonRect(true)) {
    FrameSolid(dc, *ok, TITLE_TEXT_COLOR);
    DrawTextIn(dc, u"ok", *ok, DT_CENTER | DT_VCENTER | DT_SINGLELINE, TITLE_TEXT_COLOR, &StandardFont(true));
  }
}

void TitleBarWnd::OnLButtonDown(UINT, CPoint point) { m_nPressed = CommandAt(point); }

void TitleBarWnd::OnLButtonUp(UINT, CPoint point) {
  const int command = CommandAt(point);
  const int pressed = std::exchange(m_nPressed, 0);
  CDialog* dialog = m_state.dialog;
  if (command == 0 || command != pressed || dialog != ActiveDialog()) return;
  dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED));
}

int TitleBarWnd::CommandAt(CPoint point) const {
  if (const auto box = ButtonRect(false); box && box->PtInRect(point)) return IDCANCEL;
  if (const auto ok = ButtonRect(true); ok && ok->PtInRect(point)) return IDOK;
  return m_state.dialog != nullptr ? IDC_CAPTION : 0;
}
