#include "platform/wnd/popup_menu_wnd.h"

#include <algorithm>
#include <utility>

#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/screen_areas.h"
#include "platform/wnd/shell_palette.h"

namespace {
constexpr int POPUP_ITEM_HEIGHT = 20;
constexpr int POPUP_SEPARATOR_HEIGHT = 7;
constexpr int POPUP_TEXT_INDENT = 10;
constexpr int POPUP_MIN_WIDTH = 100;

bool IsSeparator(const MenuItemTemplate& item) { return item.id == 0 && item.text.empty(); }
}  // namespace

PopupMenuWnd::PopupMenuWnd() { CreateEx(WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP, CRect(0, 0, 0, 0), nullptr, 0); }

void PopupMenuWnd::Open(const MenuTemplate* menu, const CRect& buttonRect, CDialog* owner) {
  m_pMenu = menu;
  m_pOwner = owner;
  m_nHighlighted = -1;
  int width = POPUP_MIN_WIDTH;
  int height = 2;
  for (const MenuItemTemplate& item : menu->popupItems) {
    width = std::max(width, MeasureText(CString(item.text), false) + 2 * POPUP_TEXT_INDENT + 2);
    height += IsSeparator(item) ? POPUP_SEPARATOR_HEIGHT : POPUP_ITEM_HEIGHT;
  }
  const int bottom = SCREEN_HEIGHT - MENU_BAR_HEIGHT;
  const int left = std::min<int>(buttonRect.left, SCREEN_WIDTH - width);
  SetWindowPos(nullptr, left, bottom - height, width, height, 0);
  Invalidate();
  ShowWindow(SW_SHOW);
}

void PopupMenuWnd::Close() {
  m_pMenu = nullptr;
  m_pOwner = nullptr;
  ShowWindow(SW_HIDE);
}

std::optional<CRect> PopupMenuWnd::ItemRect(const CString& text) const {
  if (!IsOpen()) return std::nullopt;
  for (std::size_t i = 0; i < m_pMenu->popupItems.size(); ++i) {
    const MenuItemTemplate& item = m_pMenu->popupItems[i];
    if (!IsSeparator(item) && item.text == text) return RectOfItem(i);
  }
  return std::nullopt;
}

void PopupMenuWnd::MoveHighlight(int step) {
  if (!IsOpen()) return;
  const int count = static_cast<int>(m_pMenu->popupItems.size());
  int index = m_nHighlighted < 0 ? (step > 0 ? -1 : count) : m_nHighlighted;
  for (int tries = 0; tries < count; ++tries) {
    index = ((index + step) % count + count) % count;
    if (!IsSeparator(m_pMenu->popupItems[static_cast<std::size_t>(index)])) {
      m_nHighlighted = index;
      Invalidate();
      return;
    }
  }
}

void PopupMenuWnd::ChooseHighlighted() {
  if (IsOpen() && m_nHighlighted >= 0) Choose(m_nHighlighted);
}

void PopupMenuWnd::OnPaint() {
  CPaintDC dc(this);
  const CRect client = ClientOf(this);
  FillSolid(dc, client, MENU_BACKGROUND);
  FrameSolid(dc, client, MENU_TEXT_COLOR);
  if (!IsOpen()) return;
  for (std::size_t i = 0; i < m_pMenu->popupItems.size(); ++i) {
    const MenuItemTemplate& item = m_pMenu->popupItems[i];
    const CRect rect = RectOfItem(i);
    if (IsSeparator(item)) {
      const int y = rect.top + rect.Height() / 2;
      DrawLine(dc, rect.left + 2, y, rect.right - 2, y, BAR_LINE_COLOR);
      continue;
    }
    const bool pressed = static_cast<int>(i) == m_nHighlighted;
    if (pressed) FillSolid(dc, rect, HIGHLIGHT_COLOR);
    CRect text = rect;
    text.left += POPUP_TEXT_INDENT;
    DrawTextIn(dc, CString(item.text), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
               pressed ? HIGHLIGHT_TEXT_COLOR : MENU_TEXT_COLOR, &StandardFont(false));
  }
}

void PopupMenuWnd::OnLButtonDown(UINT, CPoint point) {
  m_nHighlighted = ItemAt(point);
  Invalidate();
}

void PopupMenuWnd::OnLButtonUp(UINT, CPoint point) {
  const int item = ItemAt(point);
  const int pressed = std::exchange(m_nHighlighted, -1);
  Invalidate();
  if (item < 0 || item != pressed) return;
  Choose(item);
}

void PopupMenuWnd::OnMouseMove(UINT flags, CPoint point) {
  if (flags & MK_LBUTTON) return;
  const int item = ItemAt(point);
  if (item == m_nHighlighted) return;
  m_nHighlighted = item;
  Invalidate();
}

CRect PopupMenuWnd::RectOfItem(std::size_t index) const {
  int top = 1;
  for (std::size_t i = 0; i < index; ++i) {
    top += IsSeparator(m_pMenu->popupItems[i]) ? POPUP_SEPARATOR_HEIGHT : POPUP_ITEM_HEIGHT;
  }
  const int height = IsSeparator(m_pMenu->popupItems[index]) ? POPUP_SEPARATOR_HEIGHT : POPUP_ITEM_HEIGHT;
  return CRect(1, top, ClientOf(this).right - 1, top + height);
}

int PopupMenuWnd::ItemAt(CPoint point) const {
  if (!IsOpen()) return -1;
  for (std::size_t i = 0; i < m_pMenu->popupItems.size(); ++i) {
    if (!IsSeparator(m_pMenu->popupItems[i]) && RectOfItem(i).PtInRect(point)) return static_cast<int>(i);
  }
  return -1;
}

void PopupMenuWnd::Choose(int item) {
  CDialog* owner = m_pOwner;
  const UINT command = m_pMenu->popupItems[static_cast<std::size_t>(item)].id;
  Close();
  owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), BN_CLICKED));
}
