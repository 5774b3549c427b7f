#include "platform/wnd/wnd.h"

#include <algorithm>

#include "platform/core/require.h"
#include "platform/wnd/screen_areas.h"

namespace {
int& LiveDCs() {
  static int count = 0;
  return count;
}

CPoint PointFromLParam(LPARAM lParam) {
  return CPoint(static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam))),
                static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(lParam))));
}
}  // namespace

const CWnd CWnd::wndTop;

int LiveWindowDCCount() { return LiveDCs(); }

CWnd::CWnd() = default;

CWnd::~CWnd() {
  // The object is going: only this class's part of it may act.
  if (m_hWnd != nullptr) CWnd::DestroyWindow();
}

BOOL CWnd::Create(const char16_t* className, const char16_t* windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id) {
  return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, const char16_t*, const char16_t* windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id) {
  PLATFORM_REQUIRE(m_hWnd == nullptr, "window created twice");
  WindowHost& host = CurrentHost();
  m_dwStyle = style;
  m_dwExStyle = exStyle;
  m_nID = id;
  m_strText = windowName ? CString(windowName) : CString();
  m_rcWindow = rect;
  m_rcClientInWindow = CRect(0, 0, m_rcWindow.Width(), m_rcWindow.Height());
  ResizeSurface(m_rcWindow.Width(), m_rcWindow.Height());
  m_hWnd = &m_handle;
  if (style & WS_CHILD) {
    PLATFORM_REQUIRE(parent != nullptr && parent->m_hWnd != nullptr, "a child window needs a parent window");
    m_pParentWnd = parent;
    parent->m_children.push_back(this);
  } else {
    m_pParentWnd = nullptr;
    m_pOwnerWnd = parent;
    host.LinkTopLevel(this, (exStyle & WS_EX_TOPMOST) != 0);
  }
  Invalidate();
  if (IsWindowVisible()) host.ScreenChanged(ScreenRect());
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  WindowHost& host = CurrentHost();
  if (IsWindowVisible()) host.ScreenChanged(ScreenRect());
  const std::vector<CWnd*> children = m_children;
  for (CWnd* child : children) child->DestroyWindow();
  host.ForgetWindow(this);
  Unlink();
  m_hWnd = nullptr;
  return TRUE;
}

void CWnd::Unlink() {
  if (m_pParentWnd != nullptr) {
    auto& siblings = m_pParentWnd->m_children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    m_pParentWnd = nullptr;
  } else {
    m_pOwnerWnd = nullptr;
    CurrentHost().UnlinkTopLevel(this);
  }
}

void CWnd::ResizeSurface(int width, int height) {
  m_surface = Surface(std::max(width, 0), std::max(height, 0));
  m_composedChange = ~std::uint64_t{0};
}

CWnd* CWnd::GetDlgItem(int id) const {
  for (CWnd* child : m_children) {
    if (static_cast<int>(child->m_nID) == id) return child;
  }
  return nullptr;
}

void CWnd::GetWindowRect(RECT* rect) const { *rect = ScreenRect(); }

CRect CWnd::ScreenRectFrom(CRect rect) const {
  if (m_pParentWnd != nullptr) {
    const CRect parentClient = m_pParentWnd->ScreenClientRect();
    rect.OffsetRect(parentClient.left, parentClient.top);
  }
  return rect;
}

CRect CWnd::ScreenClientRect() const {
  const CRect rect = ScreenRect();
  CRect client = m_rcClientInWindow;
  client.OffsetRect(rect.left, rect.top);
  return client;
}

void CWnd::GetClientRect(RECT* rect) const {
  *rect = CRect(0, 0, m_rcClientInWindow.Width(), m_rcClientInWindow.Height());
}

CRect ClientOf(const CWnd* window) {
  RECT r{};
  window->GetClientRect(&r);
  return CRect(r);
}

void CWnd::ScreenToClient(RECT* rect) const {
  const CRect client = ScreenClientRect();
  static_cast<CRect*>(rect)->OffsetRect(-client.left, -client.top);
}

void CWnd::ScreenToClient(POINT* point) const {
  const CRect client = ScreenClientRect();
  point->x -= client.left;
  point->y -= client.top;
}

void CWnd::ClientToScreen(RECT* rect) const {
  const CRect client = ScreenClientRect();
  static_cast<CRect*>(rect)->OffsetRect(client.left, client.top);
}

void CWnd::ClientToScreen(POINT* point) const {
  const CRect client = ScreenClientRect();
  point->x += client.left;
  point->y += client.top;
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  PLATFORM_REQUIRE((insertAfter == nullptr || insertAfter == &wndTop), "only wndTop is supported");
  PLATFORM_REQUIRE((flags & ~(SWP_NOMOVE | SWP_NOSIZE)) == 0, "unsupported SetWindowPos flags");
  if (m_hWnd == nullptr) return FALSE;
  WindowHost& host = CurrentHost();
  host.ScreenChanged(ScreenRect());
  if (!(flags & SWP_NOMOVE)) m_rcWindow.OffsetRect(x - m_rcWindow.left, y - m_rcWindow.top);
  if (!(flags & SWP_NOSIZE) && (cx != m_rcWindow.Width() || cy != m_rcWindow.Height())) {
    m_rcWindow.right = m_rcWindow.left + cx;
    m_rcWindow.bottom = m_rcWindow.top + cy;
    m_rcClientInWindow = CRect(0, 0, cx, cy);
    ResizeSurface(cx, cy);
    Invalidate();
  }
  if (insertAfter == &wndTop) {
    if (m_pParentWnd != nullptr) {
      auto& siblings = m_pParentWnd->m_children;
      siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
      siblings.insert(siblings.begin(), this);
    } else {
      host.BringToTop(this);
    }
  }
  host.ScreenChanged(ScreenRect());
  return TRUE;
}

void CWnd::CenterWindow(CWnd*) {
  PLATFORM_REQUIRE(m_pParentWnd == nullptr, "only top-level windows are centred");
  const CRect area(WORK_AREA);
  SetWindowPos(nullptr, area.left + (area.Width() - m_rcWindow.Width()) / 2,
               area.top + (area.Height() - m_rcWindow.Height()) / 2, 0, 0, SWP_NOSIZE);
}

BOOL CWnd::ShowWindow(int command) {
  PLATFORM_REQUIRE((command == SW_SHOW || command == SW_HIDE), "unsupported ShowWindow command");
  const BOOL wasVisible = (m_dwStyle & WS_VISIBLE) ? TRUE : FALSE;
  if (m_hWnd == nullptr) return wasVisible;
  WindowHost& host = CurrentHost();
  if (command == SW_SHOW) {
    m_dwStyle |= WS_VISIBLE;
  } else {
    m_dwStyle &= ~WS_VISIBLE;
  }
  host.ScreenChanged(ScreenRect());
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
  for (const CWnd* w = this; w != nullptr; w = w->m_pParentWnd) {
    if (w->m_hWnd == nullptr || !(w->m_dwStyle & WS_VISIBLE)) return FALSE;
  }
  return TRUE;
}

void CWnd::SetWindowText(const CString& text) {
  m_strText = text;
  Invalidate();
}

void CWnd::SetDlgItemText(int id, const CString& text) {
  CWnd* item = GetDlgItem(id);
  PLATFORM_REQUIRE(item != nullptr, "no such dialog item");
  item->SetWindowText(text);
}

UINT CWnd::GetDlgItemText(int id, CString& text) const {
  const CWnd* item = GetDlgItem(id);
  PLATFORM_REQUIRE(item != nullptr, "no such dialog item");
  text = item->m_strText;
  return static_cast<UINT>(text.size());
}

void CWnd::Invalidate(BOOL) {
  if (m_hWnd != nullptr) CurrentHost().MarkInvalid(this);
}

void CWnd::UpdateWindow() {
  if (m_hWnd != nullptr) CurrentHost().PaintTree(this);
}

CDC* CWnd::GetDC() {
  PLATFORM_REQUIRE(m_hWnd != nullptr, "GetDC needs a window");
  auto* dc = new CDC;
  dc->AttachSurface(&m_surface, m_rcClientInWindow.TopLeft(), m_rcClientInWindow);
  ++m_nHeldDCs;
  ++LiveDCs();
  return dc;
}

int CWnd::ReleaseDC(CDC* dc) {
  if (dc == nullptr) return 0;
  delete dc;
  --m_nHeldDCs;
  --LiveDCs();
  return 1;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void* procedure) {
  PLATFORM_REQUIRE(procedure == nullptr, "timer procedures are not supported");
  PLATFORM_REQUIRE(m_hWnd != nullptr, "a timer needs a window");
  CurrentHost().SetTimer(this, id, elapse);
  return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) { return CurrentHost().KillTimer(this, id) ? TRUE : FALSE; }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return WindowProc(message, wParam, lParam); }

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* item = GetDlgItem(id);
  PLATFORM_REQUIRE(item != nullptr, "no such dialog item");
  return item->SendMessage(message, wParam, lParam);
}

CWnd* CWnd::SetFocus() {
  WindowHost& host = CurrentHost();
  CWnd* old = host.FocusWindow();
  host.SetFocusWindow(this);
  return old;
}

CWnd* CWnd::GetFocus() { return CurrentHost().FocusWindow(); }

bool CWnd::FocusCuesShown() { return CurrentHost().FocusCuesShown(); }

CFont* CWnd::GetFont() const {
  for (const CWnd* w = this; w != nullptr; w = w->m_pParentWnd) {
    if (w->m_pFont != nullptr) return w->m_pFont;
  }
  return nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), PointFromLParam(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), PointFromLParam(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), PointFromLParam(lParam)); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_CHAR: OnChar(static_cast<UINT>(wParam), 1, 0); return 0;
    case WM_KEYDOWN: OnKeyDown(static_cast<UINT>(wParam), 1, 0); return 0;
    case WM_HELP: return OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam));
    case WM_SETFOCUS: OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_KILLFOCUS: OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam))); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_HELPVIEWERFAILED: OnHelpViewerFailed(); return 0;
    case WM_ENDSESSION: OnEndSession(static_cast<BOOL>(wParam)); return 0;
    case WM_VIEWSHAPECHANGED: OnViewShapeChanged(); return 0;
    case WM_UPDATEUISTATE: OnUpdateUIState(LOWORD(wParam), HIWORD(wParam)); return 0;
    default: PLATFORM_REQUIRE(false, "message not supported by this window"); return 0;
  }
}

bool CWnd::PreTranslateKey(UINT, UINT) { return false; }

void CWnd::OnPaint() { CPaintDC dc(this); }
void CWnd::OnClose() { CurrentHost().Quit(); }
void CWnd::OnEndSession(BOOL) {}
void CWnd::OnViewShapeChanged() {}
void CWnd::OnLButtonDown(UINT, CPoint) {}
void CWnd::OnLButtonUp(UINT, CPoint) {}
void CWnd::OnMouseMove(UINT, CPoint) {}
void CWnd::OnTimer(UINT_PTR) {}
void CWnd::OnChar(UINT, UINT, UINT) {}
void CWnd::OnKeyDown(UINT, UINT, UINT) {}
BOOL CWnd::OnHelpInfo(HELPINFO*) { return TRUE; }
void CWnd::OnSetFocus(CWnd*) {}
void CWnd::OnKillFocus(CWnd*) {}
void CWnd::OnUpdateUIState(UINT, UINT) {}
void CWnd::OnHelpViewerFailed() {}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  if (HIWORD(wParam) != BN_CLICKED) return FALSE;
  const UINT id = LOWORD(wParam);
  for (const CommandEntry& entry : m_commands) {
    if (entry.id == id) {
      entry.handler();
      return TRUE;
    }
  }
  return FALSE;
}

CPaintDC::CPaintDC(CWnd* window) {
  PLATFORM_REQUIRE(window != nullptr && window->m_hWnd != nullptr, "painting needs a window");
  CurrentHost().MarkValid(window);
  AttachSurface(&window->m_surface, window->m_rcClientInWindow.TopLeft(), window->m_rcClientInWindow);
}

SHORT GetKeyState(int virtualKey) {
  constexpr SHORT KEY_DOWN_BIT = static_cast<SHORT>(0x8000);
  const UINT modifiers = CurrentHost().KeyModifiers();
  switch (virtualKey) {
    case VK_SHIFT: return (modifiers & MOD_SHIFT_DOWN) ? KEY_DOWN_BIT : SHORT{0};
    case VK_CONTROL: return (modifiers & MOD_CONTROL_DOWN) ? KEY_DOWN_BIT : SHORT{0};
    case VK_MENU: return (modifiers & MOD_ALT_DOWN) ? KEY_DOWN_BIT : SHORT{0};
    default: return 0;
  }
}

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* window = CWnd::FromHandle(hwnd);
  PLATFORM_REQUIRE(window != nullptr, "message to no window");
  return window->SendMessage(message, wParam, lParam);
}

void Sleep(DWORD milliseconds) { CurrentHost().Sleep(milliseconds); }
