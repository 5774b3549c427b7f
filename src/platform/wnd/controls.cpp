#include "platform/wnd/controls.h"

#include <algorithm>

#include "platform/core/require.h"
#include "platform/gdi/dc_selection.h"
#include "platform/wnd/dialog_colors.h"
#include "platform/wnd/paint_helpers.h"
#include "platform/wnd/shell_palette.h"

namespace {
constexpr COLORREF BLACK = SHELL_BLACK;
constexpr COLORREF WHITE = SHELL_WHITE;
constexpr COLORREF FOCUS_COLOR = SHELL_BLUE;

void NotifyParent(CWnd* control, WORD code) {
  CWnd* parent = control->GetParent();
  if (parent == nullptr) return;
  parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control->GetDlgCtrlID()), code),
                      reinterpret_cast<LPARAM>(control->GetSafeHwnd()));
}

CRect ClientRectOf(const CWnd* window) {
  RECT rect{};
  window->GetClientRect(&rect);
  return CRect(rect);
}
}  // namespace

// ---- a press of the pen ---------------------------------------------------------------------

bool PenPress::Inside(CPoint point) const { return ClientRectOf(&m_control).PtInRect(point); }

void PenPress::Down() {
  m_bDown = m_bInside = true;
  m_control.Invalidate();
}

void PenPress::Move(CPoint point) {
  const bool inside = Inside(point);
  if (!m_bDown || inside == m_bInside) return;
  m_bInside = inside;
  m_control.Invalidate();
}

bool PenPress::Up(CPoint point) {
  const bool click = m_bDown && Inside(point);
  m_bDown = m_bInside = false;
  m_control.Invalidate();
  return click;
}

// ---- static -------------------------------------------------------------------------------

void CStatic::SetBitmapResource(int bitmapId) {
  auto bitmap = std::make_unique<CBitmap>();
  if (!bitmap->LoadBitmap(static_cast<UINT>(bitmapId))) return;
  m_bitmapId = static_cast<UINT>(bitmapId);
  const CSize size = bitmap->GetSize();
  m_decoded = std::move(bitmap);
  SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE);
  Invalidate();
}

void CStatic::OnPaint() {
  CPaintDC dc(this);
  const CRect client = ClientRectOf(this);
  FillSolid(dc, client, DialogBackgroundColor());
  const DWORD type = GetStyle() & SS_TYPEMASK;
  if (type == SS_BITMAP) {
    if (m_bitmapId == 0) return;
    if (!m_decoded) {
      auto decoded = std::make_unique<CBitmap>();
      if (!decoded->LoadBitmap(m_bitmapId)) return;
      m_decoded = std::move(decoded);
    }
    {
      CDC memory;
      memory.CreateCompatibleDC(&dc);
      SelectionScope selection(memory, m_decoded.get());
      const CSize size = m_decoded->GetSize();
      const int offset = m_press.LooksPressed() ? 1 : 0;
      dc.BitBlt(offset, offset, size.cx, size.cy, &memory, 0, 0, SRCCOPY);
    }
    if (!(GetStyle() & SS_NOTIFY)) m_decoded.reset();
    return;
  }
  PLATFORM_REQUIRE(type == SS_LEFT || type == SS_CENTER, "unsupported static control type");
  DrawTextIn(dc, GetWindowTextString(), client, DT_WORDBREAK | (type == SS_CENTER ? DT_CENTER : DT_LEFT),
             DialogTextColor(), GetFont());
}

void CStatic::OnLButtonDown(UINT, CPoint) {
  if (GetStyle() & SS_NOTIFY) m_press.Down();
}

void CStatic::OnMouseMove(UINT, CPoint point) { m_press.Move(point); }

void CStatic::OnLButtonUp(UINT, CPoint point) {
  if (m_press.Up(point)) NotifyParent(this, STN_CLICKED);
}

// ---- button -------------------------------------------------------------------------------

void CButton::SetCheck(int check) {
  PLATFORM_REQUIRE(check == BST_CHECKED || check == BST_UNCHECKED, "unsupported check state");
  if (check == m_nCheck) return;
  m_nCheck = check;
  Invalidate();
}

LRESULT CButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case BM_SETCHECK:
      PLATFORM_REQUIRE(IsCheckBox(), "BM_SETCHECK on a push button");
      SetCheck(static_cast<int>(wParam));
      return 0;
    case BM_GETCHECK: PLATFORM_REQUIRE(IsCheckBox(), "BM_GETCHECK on a push button"); return m_nCheck;
    default: return CWnd::WindowProc(message, wParam, lParam);
  }
}

void CButton::OnLButtonDown(UINT, CPoint) { m_press.Down(); }

void CButton::OnMouseMove(UINT, CPoint point) { m_press.Move(point); }

void CButton::OnLButtonUp(UINT, CPoint point) {
  if (m_press.Up(point)) Click();
}

void CButton::Click() {
  if (IsCheckBox()) SetCheck(m_nCheck == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  NotifyParent(this, BN_CLICKED);
}

void CButton::OnKeyDown(UINT key, UINT, UINT) {
  if (key == VK_SPACE) Click();
}

// Pen-only use never shows the cue, so it never needs a repaint there.
void CButton::OnSetFocus(CWnd*) {
  if (FocusCuesShown()) Invalidate();
}

void CButton::OnKillFocus(CWnd*) {
  if (FocusCuesShown()) Invalidate();
}

void CButton::OnUpdateUIState(UINT, UINT element) {
  if ((element & UISF_HIDEFOCUS) && GetFocus() == this) Invalidate();
}

void CButton::FrameFocus(CDC& dc, const CRect& client) {
  if (!FocusCuesShown() || GetFocus() != this) return;
  if (IsCheckBox()) {
    FrameSolid(dc, client, FOCUS_COLOR, 2);
    return;
  }
  CRect ring = client;
  ring.DeflateRect(3);
  FrameSolid(dc, ring, FOCUS_COLOR);
}

void CButton::OnPaint() {
  CPaintDC dc(this);
  const CRect client = ClientRectOf(this);
  const DWORD type = GetStyle() & BS_TYPEMASK;
  PLATFORM_REQUIRE(type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_AUTOCHECKBOX,
                   "unsupported button type");
  if (IsCheckBox()) {
    PaintCheckBox(dc, client);
  } else {
    PaintPushButton(dc, client);
  }
  FrameFocus(dc, client);
}

void CButton::PaintPushButton(CDC& dc, const CRect& client) {
  const bool down = m_press.LooksPressed();
  FillSolid(dc, client, down ? BLACK : WHITE);
  FrameSolid(dc, client, BLACK, (GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? 2 : 1);
  DrawTextIn(dc, GetWindowTextString(), client, DT_CENTER | DT_VCENTER | DT_SINGLELINE, down ? WHITE : BLACK,
             GetFont());
}

void CButton::PaintCheckBox(CDC& dc, const CRect& client) {
  FillSolid(dc, client, DialogBackgroundColor());
  const int side = std::min(client.Width(), client.Height());
  const int top = client.top + (client.Height() - side) / 2;
  const CRect box(client.left, top, client.left + side, top + side);
  FillSolid(dc, box, WHITE);
  FrameSolid(dc, box, BLACK);
  if (m_nCheck != BST_CHECKED) return;
  // A tick: a short stroke down to the low point, a long one up to the right.
  const int x0 = box.left + side / 5;
  const int yMid = box.top + side / 2;
  const int xLow = box.left + side * 2 / 5;
  const int yLow = box.bottom - side / 4;
  const int x1 = box.right - side / 5;
  const int yTop = box.top + side / 5;
  for (int thickness = 0; thickness < 2; ++thickness) {
    DrawLine(dc, x0, yMid + thickness, xLow, yLow + thickness, BLACK);
    DrawLine(dc, xLow, yLow + thickness, x1, yTop + thickness, BLACK);
  }
}

// ---- edit ---------------------------------------------------------------------------------

int CEdit::CaretPosition() const { return static_cast<int>(std::min(m_nCaret, GetWindowTextString().size())); }

void CEdit::OnChar(UINT character, UINT, UINT) {
  CString text = GetWindowTextString();
  std::size_t caret = static_cast<std::size_t>(CaretPosition());
  if (character == VK_BACK) {
    if (caret == 0) return;
    text.erase(caret - 1, 1);
    --caret;
  } else if (character >= 0x20 && character != 0x7F) {
    if (m_accepts && !m_accepts(static_cast<char16_t>(character))) return;
    text.insert(caret, 1, static_cast<char16_t>(character));
    ++caret;
  } else {
    return;
  }
  SetWindowText(text);
  m_nCaret = caret;
}

void CEdit::OnKeyDown(UINT key, UINT, UINT) {
  const std::size_t length = GetWindowTextString().size();
  const std::size_t caret = static_cast<std::size_t>(CaretPosition());
  switch (key) {
    case VK_LEFT: m_nCaret = caret > 0 ? caret - 1 : 0; break;
    case VK_RIGHT: m_nCaret = std::min(caret + 1, length); break;
    case VK_HOME: m_nCaret = 0; break;
    case VK_END: m_nCaret = length; break;
    case VK_DELETE:
      if (caret < length) {
        CString text = GetWindowTextString();
        text.erase(caret, 1);
        SetWindowText(text);
      }
      break;
    default: return;
  }
  Invalidate();
}

void CEdit::OnSetFocus(CWnd*) {
  m_nCaret = GetWindowTextString().size();
  Invalidate();
}

void CEdit::OnKillFocus(CWnd*) { Invalidate(); }

void CEdit::OnPaint() {
  CPaintDC dc(this);
  const CRect client = ClientRectOf(this);
  CRect inner = client;
  inner.DeflateRect(2);
  const CString& text = GetWindowTextString();
  CFont* font = GetFont();
  const int width = TextWidth(dc, text, font);
  const int caretOffset = TextWidth(dc, text.substr(0, static_cast<std::size_t>(CaretPosition())), font);
  // Text that fits is placed by the alignment style; longer text scrolls so that the
  // caret stays in view.
  int offset = (GetStyle() & ES_CENTER) ? (inner.Width() - width) / 2 : 0;
  if (width >= inner.Width()) offset = std::min(0, inner.Width() - 1 - caretOffset);

  // The line is drawn off-screen and copied into the box, so that no text reaches the border.
  CDC line;
  line.CreateCompatibleDC(&dc);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, inner.Width(), inner.Height());
  SelectionScope selection(line, &bitmap);
  const CRect lineRect(0, 0, inner.Width(), inner.Height());
  FillSolid(line, lineRect, WHITE);
  DrawTextIn(line, text, CRect(offset, 0, offset + width + 1, inner.Height()),
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP, BLACK, font);
  if (GetFocus() == this) DrawLine(line, offset + caretOffset, 0, offset + caretOffset, inner.Height(), BLACK);

  FillSolid(dc, client, WHITE);
  dc.BitBlt(inner.left, inner.top, inner.Width(), inner.Height(), &line, 0, 0, SRCCOPY);
  if (GetStyle() & WS_BORDER) FrameSolid(dc, client, BLACK);
}

// ---- template items -----------------------------------------------------------------------

std::unique_ptr<CWnd> CreateTemplateItem(const DialogItemTemplate& item, CWnd* dialog) {
  PLATFORM_REQUIRE(item.style & WS_CHILD, "template item without WS_CHILD");
  const CRect rect = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy);
  const CString text(item.text);
  const UINT id = static_cast<UINT>(item.id);
  switch (item.itemClass) {
    case ItemClass::Static: {
      auto control = std::make_unique<CStatic>();
      control->CreateEx(0, u"STATIC", text.c_str(), item.style, rect, dialog, id);
      if ((item.style & SS_TYPEMASK) == SS_BITMAP) control->SetBitmapResource(item.imageId);
      return control;
    }
    case ItemClass::Button: {
      auto control = std::make_unique<CButton>();
      control->CreateEx(0, u"BUTTON", text.c_str(), item.style, rect, dialog, id);
      return control;
    }
    case ItemClass::Edit: {
      auto control = std::make_unique<CEdit>();
      control->CreateEx(0, u"EDIT", text.c_str(), item.style, rect, dialog, id);
      return control;
    }
  }
  return nullptr;
}
