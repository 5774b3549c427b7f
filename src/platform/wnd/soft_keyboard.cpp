#include "platform/wnd/soft_keyboard.h"

#include <string_view>
#include <utility>

#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/screen_areas.h"
#include "platform/wnd/shell_palette.h"
#include "platform/wnd/window_system.h"

namespace {
constexpr COLORREF PANEL_COLOR = SHELL_FACE_GREY;
constexpr COLORREF KEY_COLOR = SHELL_WHITE;
constexpr COLORREF KEY_FRAME_COLOR = SHELL_LINE_GREY;
constexpr COLORREF KEY_TEXT_COLOR = SHELL_BLACK;
constexpr COLORREF PRESSED_COLOR = SHELL_BLUE;
constexpr COLORREF PRESSED_TEXT_COLOR = SHELL_WHITE;

constexpr int KEY_SIZE = 20;

constexpr CRect PANEL_RECT(0, SCREEN_HEIGHT - MENU_BAR_HEIGHT - SOFT_KEYBOARD_HEIGHT, SCREEN_WIDTH,
                           SCREEN_HEIGHT - MENU_BAR_HEIGHT);

CRect KeyCell(int row, int left, int width) { return CRect(left, row * KEY_SIZE, left + width, (row + 1) * KEY_SIZE); }
}  // namespace

SoftKeyboardWnd::SoftKeyboardWnd() : m_keys(Layout()) {
  CreateEx(WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP, PANEL_RECT, nullptr, 0);
}

std::vector<SoftKeyboardWnd::Key> SoftKeyboardWnd::Layout() {
  std::vector<Key> keys;
  const auto addRow = [&keys](int row, int left, std::u16string_view plain, std::u16string_view shifted, bool letters) {
    for (std::size_t i = 0; i < plain.size(); ++i) {
      const char16_t c = plain[i];
      const UINT virtualKey = letters ? static_cast<UINT>(shifted[i]) : (c >= u'0' && c <= u'9' ? c : 0U);
      keys.push_back(Key{CString(1, c), Action::Type, c, shifted[i], virtualKey,
                         KeyCell(row, left + static_cast<int>(i) * KEY_SIZE, KEY_SIZE)});
    }
  };
  addRow(0, 0, u"1234567890", u"!@#$%^&*()", false);
  keys.push_back(Key{u"Bksp", Action::Type, u'\b', u'\b', VK_BACK, KeyCell(0, 200, 40)});
  addRow(1, 0, u"qwertyuiop", u"QWERTYUIOP", true);
  // No comma: a name may not hold one, and the panel offers only what a name may hold.
  addRow(1, 200, u"-.", u"_'", false);
  addRow(2, 10, u"asdfghjkl", u"ASDFGHJKL", true);
  keys.push_back(Key{u"Enter", Action::Type, u'\r', u'\r', VK_RETURN, KeyCell(2, 190, 50)});
  keys.push_back(Key{u"Shift", Action::Shift, 0, 0, 0, KeyCell(3, 0, 30)});
  addRow(3, 30, u"zxcvbnm", u"ZXCVBNM", true);
  keys.push_back(Key{u"Space", Action::Type, u' ', u' ', VK_SPACE, KeyCell(3, 170, 40)});
  keys.push_back(Key{u"Hide", Action::Hide, 0, 0, 0, KeyCell(3, 210, 30)});
  return keys;
}

void SoftKeyboardWnd::Raise() {
  if (IsRaised()) return;
  Invalidate();
  ShowWindow(SW_SHOW);
}

void SoftKeyboardWnd::Lower() {
  m_bShifted = false;
  m_nPressed = -1;
  ShowWindow(SW_HIDE);
}

bool SoftKeyboardWnd::IsRaised() const { return IsWindowVisible() != FALSE; }

std::optional<CRect> SoftKeyboardWnd::KeyRect(const CString& label) const {
  for (const Key& key : m_keys) {
    if (key.label != label) continue;
    CRect rect = key.rect;
    rect.OffsetRect(PANEL_RECT.left, PANEL_RECT.top);
    return rect;
  }
  return std::nullopt;
}

int SoftKeyboardWnd::KeyAt(CPoint point) const {
  for (std::size_t i = 0; i < m_keys.size(); ++i) {
    if (m_keys[i].rect.PtInRect(point)) return static_cast<int>(i);
  }
  return -1;
}

void SoftKeyboardWnd::OnPaint() {
  CPaintDC dc(this);
  RECT client{};
  GetClientRect(&client);
  FillSolid(dc, client, PANEL_COLOR);
  for (std::size_t i = 0; i < m_keys.size(); ++i) {
    const Key& key = m_keys[i];
    const bool lit = (static_cast<int>(i) == m_nPressed && m_bPenInside) || (key.action == Action::Shift && m_bShifted);
    CRect face = key.rect;
    face.DeflateRect(1);
    FillSolid(dc, face, lit ? PRESSED_COLOR : KEY_COLOR);
    FrameSolid(dc, face, KEY_FRAME_COLOR);
    const bool single = key.label.size() == 1;
    const CString text = single && m_bShifted ? CString(1, key.shifted) : key.label;
    // Word labels in the regular face: the bold one does not fit the narrow keys.
    DrawTextIn(dc, text, face, DT_CENTER | DT_VCENTER | DT_SINGLELINE, lit ? PRESSED_TEXT_COLOR : KEY_TEXT_COLOR,
               &StandardFont(false));
  }
}

void SoftKeyboardWnd::OnLButtonDown(UINT, CPoint point) {
  m_nPressed = KeyAt(point);
  m_bPenInside = m_nPressed >= 0;
  Invalidate();
}

void SoftKeyboardWnd::OnMouseMove(UINT, CPoint point) {
  if (m_nPressed < 0) return;
  const bool inside = m_keys[static_cast<std::size_t>(m_nPressed)].rect.PtInRect(point);
  if (inside == m_bPenInside) return;
  m_bPenInside = inside;
  Invalidate();
}

void SoftKeyboardWnd::OnLButtonUp(UINT, CPoint point) {
  const int pressed = std::exchange(m_nPressed, -1);
  m_bPenInside = false;
  Invalidate();
  if (pressed < 0 || KeyAt(point) != pressed) return;
  Press(m_keys[static_cast<std::size_t>(pressed)]);
}

void SoftKeyboardWnd::Press(const Key& key) {
  if (key.action == Action::Shift) {
    m_bShifted = !m_bShifted;
    return;
  }
  if (key.action == Action::Hide) {
    Lower();
    return;
  }
  const bool shifted = std::exchange(m_bShifted, false);
  // As from a physical keyboard: the key goes down, then its character is typed.
  const char16_t character = shifted ? key.shifted : key.character;
  WindowSystem& system = WindowSystem::Current();
  if (key.virtualKey != 0) {
    InputEvent down{InputEvent::Kind::KeyDown};
    down.key = key.virtualKey;
    down.modifiers = shifted ? MOD_SHIFT_DOWN : 0;
    system.DispatchInput(down);
  }
  InputEvent typed{InputEvent::Kind::Character};
  typed.character = character;
  system.DispatchInput(typed);
}
