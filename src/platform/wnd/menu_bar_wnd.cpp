#include "platform/wnd/menu_bar_wnd.h"

#include <utility>

#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/screen_areas.h"
#include "platform/wnd/shell_palette.h"

namespace {
constexpr int BUTTON_PADDING = 10;  // each side of a button's text
}  // namespace

MenuBarWnd::MenuBarWnd(OpenMenu openMenu) : m_openMenu(std::move(openMenu)) {
  CreateEx(WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP | WS_VISIBLE,
           CRect(0, SCREEN_HEIGHT - MENU_BAR_HEIGHT, SCREEN_WIDTH, SCREEN_HEIGHT), nullptr, 0);
}

void MenuBarWnd::Follow(CDialog* dialog) {
  std::vector<CString> texts;
  if (dialog != nullptr) {
    for (const CCommandBar::Button& button : dialog->CommandBar().Buttons()) texts.push_back(button.text);
  }
  if (dialog == m_pDialog && texts == m_texts) return;
  m_pDialog = dialog;
  m_texts = std::move(texts);
  m_widths.clear();
  for (const CString& text : m_texts) m_widths.push_back(MeasureText(text, false) + 2 * BUTTON_PADDING);
  Invalidate();
}

std::optional<CRect> MenuBarWnd::ButtonRect(const CString& text) const {
  for (std::size_t i = 0; i < m_texts.size(); ++i) {
    if (m_texts[i] == text) return RectOfButton(i);
  }
  return std::nullopt;
}

void MenuBarWnd::OnPaint() {
  CPaintDC dc(this);
  const CRect client = ClientOf(this);
  FillSolid(dc, client, BAR_COLOR);
  DrawLine(dc, 0, 0, client.right, 0, BAR_LINE_COLOR);
  for (std::size_t i = 0; i < m_texts.size(); ++i) {
    const CRect rect = RectOfButton(i);
    DrawTextIn(dc, m_texts[i], rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, MENU_TEXT_COLOR, &StandardFont(true));
    DrawLine(dc, rect.right - 1, 4, rect.right - 1, client.bottom - 4, BAR_LINE_COLOR);
  }
}

void MenuBarWnd::OnLButtonDown(UINT, CPoint point) {
  CDialog* dialog = m_pDialog;
  if (dialog == nullptr || dialog != ActiveDialog()) return;
  const std::vector<CCommandBar::Button>& buttons = dialog->CommandBar().Buttons();
  for (std::size_t i = 0; i < buttons.size() && i < m_texts.size(); ++i) {
    if (!RectOfButton(i).PtInRect(point)) continue;
    if (buttons[i].dropDown) {
      RECT screen = RectOfButton(i);
      ClientToScreen(&screen);
      m_openMenu(buttons[i], CRect(screen), dialog);
    } else {
      dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(buttons[i].command), BN_CLICKED));
    }
    return;
  }
}

CRect MenuBarWnd::RectOfButton(std::size_t index) const {
  int left = 0;
  for (std::size_t i = 0; i < index; ++i) left += m_widths[i];
  return CRect(left, 1, left + m_widths[index], MENU_BAR_HEIGHT);
}
