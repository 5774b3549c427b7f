#include "platform/wnd/menu_bar_wnd.h"

#include <algorithm>
#include <utility>

#include "platform/wnd/controls.h"
#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/screen_areas.h"
#include "platform/wnd/shell_palette.h"

namespace {
constexpr int BUTTON_PADDING = 10;  // each side of a button's text
constexpr int INPUT_PANEL_BUTTON_WIDTH = 28;

bool HoldsEditBox(const CDialog& dialog) {
  return std::any_of(dialog.Children().begin(), dialog.Children().end(),
                     [](const CWnd* child) { return dynamic_cast<const CEdit*>(child) != nullptr; });
}
}  // namespace

MenuBarWnd::MenuBarWnd(OpenMenu openMenu, std::function<void()> toggleInputPanel)
    : m_openMenu(std::move(openMenu)), m_toggleInputPanel(std::move(toggleInputPanel)) {
  CreateEx(WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP | WS_VISIBLE,
           CRect(0, SCREEN_HEIGHT - MENU_BAR_HEIGHT, SCREEN_WIDTH, SCREEN_HEIGHT), nullptr, 0);
}

void MenuBarWnd::Follow(CDialog* dialog, const MenuTemplate* openMenu) {
  std::vector<CString> texts;
  int openButton = -1;
  if (dialog != nullptr) {
    const std::vector<CCommandBar::Button>& buttons = dialog->CommandBar().Buttons();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      texts.push_back(buttons[i].text);
      if (openMenu != nullptr && buttons[i].menu == openMenu) openButton = static_cast<int>(i);
    }
  }
  const bool takesText = dialog != nullptr && HoldsEditBox(*dialog);
  if (dialog == m_pDialog && texts == m_texts && openButton == m_nOpenButton && takesText == m_bTakesText) return;
  m_pDialog = dialog;
  m_texts = std::move(texts);
  m_nOpenButton = openButton;
  m_bTakesText = takesText;
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

std::optional<CRect> MenuBarWnd::InputPanelButtonRect() const {
  if (!m_bTakesText) return std::nullopt;
  return CRect(SCREEN_WIDTH - INPUT_PANEL_BUTTON_WIDTH, 1, SCREEN_WIDTH, MENU_BAR_HEIGHT);
}

void MenuBarWnd::OnPaint() {
  CPaintDC dc(this);
  const CRect client = ClientOf(this);
  FillSolid(dc, client, BAR_COLOR);
  DrawLine(dc, 0, 0, client.right, 0, BAR_LINE_COLOR);
  for (std::size_t i = 0; i < m_texts.size(); ++i) {
    const CRect rect = RectOfButton(i);
    const bool open = static_cast<int>(i) == m_nOpenButton;
    if (open) FillSolid(dc, CRect(rect.left, rect.top, rect.right - 1, rect.bottom), HIGHLIGHT_COLOR);
    DrawTextIn(dc, m_texts[i], rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
               open ? HIGHLIGHT_TEXT_COLOR : MENU_TEXT_COLOR, &StandardFont(true));
    DrawLine(dc, rect.right - 1, 4, rect.right - 1, client.bottom - 4, BAR_LINE_COLOR);
  }
  PaintInputPanelButton(dc);
}

// A small keyboard: a frame, two rows of keys and a space bar.
void MenuBarWnd::PaintInputPanelButton(CDC& dc) const {
  const std::optional<CRect> button = InputPanelButtonRect();
  if (!button) return;
  DrawLine(dc, button->left, 4, button->left, button->bottom - 4, BAR_LINE_COLOR);
  const int left = button->left + (button->Width() - 17) / 2;
  const int top = button->top + (button->Height() - 11) / 2;
  FrameSolid(dc, CRect(left, top, left + 17, top + 11), MENU_TEXT_COLOR);
  for (int row = 0; row < 2; ++row) {
    for (int key = 0; key < 6; ++key) {
      const int x = left + 2 + 2 * key + (row == 1 ? 1 : 0);
      FillSolid(dc, CRect(x, top + 2 + 2 * row, x + 1, top + 3 + 2 * row), MENU_TEXT_COLOR);
    }
  }
  DrawLine(dc, left + 4, top + 8, left + 13, top + 8, MENU_TEXT_COLOR);
}

void MenuBarWnd::OnLButtonDown(UINT, CPoint point) {
  CDialog* dialog = m_pDialog;
  if (dialog == nullptr || dialog != ActiveDialog()) return;
  if (const std::optional<CRect> panelButton = InputPanelButtonRect(); panelButton && panelButton->PtInRect(point)) {
    m_toggleInputPanel();
    return;
  }
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
