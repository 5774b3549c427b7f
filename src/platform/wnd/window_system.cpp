#include "platform/wnd/window_system.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/core/require.h"
#include "platform/wnd/shell_palette.h"

namespace {
CRect Union(const CRect& a, const CRect& b) {
  if (a.IsRectEmpty()) return b;
  if (b.IsRectEmpty()) return a;
  return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom));
}

LPARAM PointParam(POINT p) { return MAKELPARAM(p.x, p.y); }

WindowSystem*& Running() {
  static WindowSystem* running = nullptr;
  return running;
}
}  // namespace

WindowSystem::WindowSystem(Backend& backend)
    : m_backend(backend), m_screen(SCREEN_WIDTH, SCREEN_HEIGHT, DESKTOP_COLOR) {
  PLATFORM_REQUIRE(Running() == nullptr, "one program run at a time");
  Running() = this;
}

WindowSystem::~WindowSystem() {
  // The shell's windows go while the run can still take their leave.
  m_shell.reset();
  Running() = nullptr;
}

WindowSystem& WindowSystem::Current() {
  PLATFORM_REQUIRE(Running() != nullptr, "no program run in progress");
  return *Running();
}

bool WindowSystem::InProgress() { return Running() != nullptr; }

WindowHost& CurrentHost() { return WindowSystem::Current(); }

void WindowSystem::AttachShell(std::unique_ptr<ShellBars> shell) {
  Changed();
  m_shell = std::move(shell);
}

// ---- tree ---------------------------------------------------------------------------------

void WindowSystem::LinkTopLevel(CWnd* window, bool topmost) {
  Changed();
  if (topmost) {
    m_topLevels.insert(m_topLevels.begin(), window);
    ++m_nTopmost;
  } else {
    m_topLevels.insert(m_topLevels.begin() + m_nTopmost, window);
  }
}

void WindowSystem::UnlinkTopLevel(CWnd* window) {
  Changed();
  const auto it = std::find(m_topLevels.begin(), m_topLevels.end(), window);
  if (it == m_topLevels.end()) return;
  if (it - m_topLevels.begin() < m_nTopmost) --m_nTopmost;
  m_topLevels.erase(it);
}

void WindowSystem::BringToTop(CWnd* window) {
  const auto it = std::find(m_topLevels.begin(), m_topLevels.end(), window);
  PLATFORM_REQUIRE(it != m_topLevels.end(), "not a top-level window");
  const bool topmost = it - m_topLevels.begin() < m_nTopmost;
  UnlinkTopLevel(window);
  LinkTopLevel(window, topmost);
}

CWnd* WindowSystem::HitTestTree(CWnd* window, POINT point) const {
  if (!(window->m_dwStyle & WS_VISIBLE) || !window->ScreenRect().PtInRect(point)) return nullptr;
  if (window->ScreenClientRect().PtInRect(point)) {
    for (CWnd* child : window->m_children) {
      if (CWnd* hit = HitTestTree(child, point)) return hit;
    }
  }
  return window->LetsTapsThrough() ? nullptr : window;
}

CWnd* WindowSystem::HitTest(POINT point) const {
  for (CWnd* window : m_topLevels) {
    if (CWnd* hit = HitTestTree(window, point)) return hit;
  }
  return nullptr;
}

void WindowSystem::ForgetWindow(CWnd* window) {
  Changed();
  MarkValid(window);
  std::erase_if(m_timers, [window](const Timer& t) { return t.window == window; });
  if (m_focus == window) m_focus = nullptr;
  if (m_capture == window) m_capture = nullptr;
  if (m_hover == window) m_hover = nullptr;
  // The shell's windows must not keep pointing at a window that goes.
  if (window->m_pParentWnd == nullptr && m_shell != nullptr && !m_shell->Owns(window)) m_shell->Follow();
}

bool WindowSystem::IsLiveWindow(const CWnd* window) const {
  struct Finder {
    const CWnd* wanted;
    bool In(const CWnd* w) const {
      if (w == wanted) return true;
      return std::any_of(w->m_children.begin(), w->m_children.end(), [this](const CWnd* c) { return In(c); });
    }
  } finder{window};
  return std::any_of(m_topLevels.begin(), m_topLevels.end(), [&](const CWnd* w) { return finder.In(w); });
}

// ---- paint --------------------------------------------------------------------------------

void WindowSystem::MarkInvalid(CWnd* window) {
  Changed();
  if (!window->m_bInvalid) {
    window->m_bInvalid = true;
    ++m_nInvalid;
  }
}

void WindowSystem::MarkValid(CWnd* window) {
  if (window->m_bInvalid) {
    window->m_bInvalid = false;
    --m_nInvalid;
  }
}

void WindowSystem::PaintTree(CWnd* window) {
  if (window->m_hWnd == nullptr || !(window->m_dwStyle & WS_VISIBLE)) return;
  if (window->m_bInvalid) {
    window->SendMessage(WM_PAINT);
    MarkValid(window);  // a handler that did not paint must not be asked forever
  }
  const std::vector<CWnd*> children = window->m_children;
  for (CWnd* child : children) PaintTree(child);
}

bool WindowSystem::ChangedSinceRefresh() const {
  return m_nChanges != m_nRefreshedChanges || Surface::AnyChangeCount() != m_nRefreshedSurfaceChanges;
}

void WindowSystem::MarkRefreshed() {
  m_nRefreshedChanges = m_nChanges;
  m_nRefreshedSurfaceChanges = Surface::AnyChangeCount();
}

bool WindowSystem::PaintInvalidWindows() {
  if (!ChangedSinceRefresh()) return false;
  if (m_shell != nullptr) m_shell->Follow();
  if (m_nInvalid == 0) return false;
  const int before = m_nInvalid;
  const std::vector<CWnd*> topLevels = m_topLevels;
  for (CWnd* window : topLevels) PaintTree(window);
  return m_nInvalid != before;
}

void WindowSystem::ScreenChanged(const RECT& screenRect) {
  Changed();
  m_dirty = Union(m_dirty, CRect(screenRect).Intersect(CRect(0, 0, m_screen.Width(), m_screen.Height())));
}

void WindowSystem::SetScreenSize(int width, int height) {
  if (width == m_screen.Width() && height == m_screen.Height()) return;
  m_screen = Surface(width, height, DESKTOP_COLOR);
  Changed();
  m_dirty = CRect(0, 0, width, height);
}

void WindowSystem::ComposeTree(CWnd* window, const CRect& clip) {
  if (!(window->m_dwStyle & WS_VISIBLE)) return;
  const CRect rect = window->ScreenRect();
  const CRect area = rect.Intersect(clip);
  if (!area.IsRectEmpty()) {
    const std::size_t bytes = static_cast<std::size_t>(area.Width()) * sizeof(COLORREF);
    // Read only: a window painted in one colour keeps holding no pixels of its own.
    const Surface& pixels = window->m_surface;
    for (int y = area.top; y < area.bottom; ++y) {
      std::memcpy(m_screen.Row(y) + area.left, pixels.Row(y - rect.top) + (area.left - rect.left), bytes);
    }
  }
  const CRect childClip = window->ScreenClientRect().Intersect(clip);
  if (childClip.IsRectEmpty()) return;
  for (auto it = window->m_children.rbegin(); it != window->m_children.rend(); ++it) ComposeTree(*it, childClip);
}

void WindowSystem::RefreshScreen() {
  if (!ChangedSinceRefresh()) return;
  if (m_shell != nullptr) {
    m_shell->Follow();
    for (CWnd* window : m_shell->Windows()) PaintTree(window);
  }

  // Every visible window whose pixels changed since it was last composed adds its area.
  struct Collector {
    WindowSystem& system;
    void Visit(CWnd* window) {
      if (!(window->m_dwStyle & WS_VISIBLE)) return;
      if (window->m_surface.ChangeCount() != window->m_composedChange) {
        window->m_composedChange = window->m_surface.ChangeCount();
        system.ScreenChanged(window->ScreenRect());
      }
      for (CWnd* child : window->m_children) Visit(child);
    }
  } collector{*this};
  for (CWnd* window : m_topLevels) collector.Visit(window);

  if (m_dirty.IsRectEmpty()) {
    MarkRefreshed();
    return;
  }
  const CRect dirty = m_dirty;
  m_dirty = CRect();
  for (int y = dirty.top; y < dirty.bottom; ++y)
    std::fill_n(m_screen.Row(y) + dirty.left, dirty.Width(), DESKTOP_COLOR);
  for (auto it = m_topLevels.rbegin(); it != m_topLevels.rend(); ++it) ComposeTree(*it, dirty);
  m_screen.MarkChanged();
  MarkRefreshed();
  m_backend.Present(FrameView{m_screen.Width(), m_screen.Height(), m_screen.Data(), dirty});
}

// ---- focus and timers -----------------------------------------------------------------------

void WindowSystem::SetFocusWindow(CWnd* window) {
  Changed();
  if (window == m_focus) return;
  CWnd* old = m_focus;
  m_focus = window;
  if (old != nullptr) old->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(window ? window->m_hWnd : nullptr));
  if (window != nullptr) window->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old ? old->m_hWnd : nullptr));
}

void WindowSystem::SetTimer(CWnd* window, UINT_PTR id, UINT period) {
  const std::uint64_t due = m_backend.NowMs() + period;
  for (Timer& timer : m_timers) {
    if (timer.window == window && timer.id == id) {
      timer.period = period;
      timer.due = due;
      return;
    }
  }
  m_timers.push_back(Timer{window, id, period, due});
}

bool WindowSystem::KillTimer(CWnd* window, UINT_PTR id) {
  return std::erase_if(m_timers, [&](const Timer& t) { return t.window == window && t.id == id; }) > 0;
}

std::optional<std::uint64_t> WindowSystem::NextTimerDue() const {
  std::optional<std::uint64_t> next;
  for (const Timer& timer : m_timers) {
    if (!next || timer.due < *next) next = timer.due;
  }
  return next;
}

bool WindowSystem::FireDueTimer() {
  if (m_timers.empty()) return false;
  const std::uint64_t now = m_backend.NowMs();
  auto due =
      std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; });
  if (due->due > now) return false;
  due->due = now + due->period;
  CWnd* window = due->window;
  const UINT_PTR id = due->id;
  window->SendMessage(WM_TIMER, id);
  return true;
}

// ---- the pump -----------------------------------------------------------------------------

void WindowSystem::PumpOnce() {
  if (!m_pendingInput.empty()) {
    const InputEvent event = m_pendingInput.front();
    m_pendingInput.pop_front();
    DispatchInput(event);
    return;
  }
  if (PaintInvalidWindows()) return;
  if (FireDueTimer()) return;
  RefreshScreen();
  if (const std::optional<InputEvent> event = m_backend.WaitForEvent(NextTimerDue(), WaitReason::Idle)) {
    DispatchInput(*event);
  }
}

void WindowSystem::Sleep(DWORD milliseconds) {
  RefreshScreen();
  const std::uint64_t deadline = m_backend.NowMs() + milliseconds;
  while (m_backend.NowMs() < deadline) {
    if (const std::optional<InputEvent> event = m_backend.WaitForEvent(deadline, WaitReason::Pause)) {
      m_pendingInput.push_back(*event);
    }
  }
}

void WindowSystem::Quit() {
  m_bQuitting = true;
  if (m_shell != nullptr) m_shell->Quitting();
}

// ---- modal loops --------------------------------------------------------------------------

void WindowSystem::PushModal(CWnd* root) {
  Changed();
  m_modal.push_back(root);
}

void WindowSystem::PopModal(CWnd* root) {
  Changed();
  PLATFORM_REQUIRE(!m_modal.empty() && m_modal.back() == root, "modal loops end innermost first");
  m_modal.pop_back();
}

bool WindowSystem::AcceptsInput(const CWnd* window) const {
  const CWnd* active = ActiveModal();
  if (active == nullptr) return true;
  // A window owned by the one whose loop runs takes input with it, as its part.
  const CWnd* root = window;
  while (root->m_pParentWnd != nullptr || root->m_pOwnerWnd != nullptr) {
    root = root->m_pParentWnd != nullptr ? root->m_pParentWnd : root->m_pOwnerWnd;
  }
  return root == active || (m_shell != nullptr && m_shell->Owns(root));
}

// ---- input --------------------------------------------------------------------------------

void WindowSystem::DispatchInput(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::PenDown: HandlePenDown(event); return;
    case InputEvent::Kind::PenMove:
      if (m_capture != nullptr) {
        POINT p = event.point;
        m_capture->ScreenToClient(&p);
        m_capture->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(p));
      }
      return;
    case InputEvent::Kind::Hover: HandleHover(event.point); return;
    case InputEvent::Kind::PenUp: {
      CWnd* target = m_capture;
      m_capture = nullptr;
      if (m_bSwallowPenUp || target == nullptr) {
        m_bSwallowPenUp = false;
        return;
      }
      POINT p = event.point;
      target->ScreenToClient(&p);
      target->SendMessage(WM_LBUTTONUP, 0, PointParam(p));
      return;
    }
    case InputEvent::Kind::KeyDown:
      SetFocusCuesShown(true);
      m_nKeyModifiers = event.modifiers;
      HandleKey(event.key, event.modifiers);
      m_nKeyModifiers = 0;
      return;
    case InputEvent::Kind::Character: HandleCharacter(event); return;
    case InputEvent::Kind::Close: Quit(); return;
    case InputEvent::Kind::CloseButton:
      // The outermost window stands for the program, whatever is open in front of it.
      if (m_modal.empty()) {
        Quit();
      } else {
        m_modal.front()->SendMessage(WM_CLOSE);
      }
      return;
    case InputEvent::Kind::HelpFailed:
      if (!m_modal.empty()) m_modal.front()->SendMessage(WM_HELPVIEWERFAILED);
      return;
    case InputEvent::Kind::EndSession:
      if (!m_modal.empty()) m_modal.front()->SendMessage(WM_ENDSESSION, TRUE);
      return;
    case InputEvent::Kind::ViewShape:
      m_viewShape = SIZE{event.point.x, event.point.y};
      if (!m_modal.empty()) m_modal.front()->SendMessage(WM_VIEWSHAPECHANGED);
      return;
  }
}

void WindowSystem::HandlePenDown(const InputEvent& event) {
  SetFocusCuesShown(false);
  CWnd* target = HitTest(event.point);
  if ((m_shell != nullptr && m_shell->PreTranslateInput(event, target)) || target == nullptr || !AcceptsInput(target)) {
    m_bSwallowPenUp = true;
    return;
  }
  m_bSwallowPenUp = false;
  m_capture = target;
  if (target->WantsFocusOnTap()) SetFocusWindow(target);
  if (target->m_hWnd == nullptr) return;  // destroyed while taking the focus
  POINT p = event.point;
  target->ScreenToClient(&p);
  target->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p));
}

// A move without the button: the window under the pointer hears of it, and so does the one
// the pointer just left, at a point outside it, so that nothing stays lit there.
void WindowSystem::HandleHover(POINT screenPoint) {
  if (m_capture != nullptr) return;
  CWnd* target = HitTest(screenPoint);
  if (target != nullptr && !AcceptsInput(target)) target = nullptr;
  CWnd* left = std::exchange(m_hover, target);
  for (CWnd* window : {left != target ? left : nullptr, target}) {
    if (window == nullptr) continue;
    POINT p = screenPoint;
    window->ScreenToClient(&p);
    window->SendMessage(WM_MOUSEMOVE, 0, PointParam(p));
  }
}

void WindowSystem::HandleKey(UINT key, UINT modifiers) {
  CWnd* root = ActiveModal();
  // Help is asked of the window in front whatever else is open, as the system's own key.
  if (key == VK_F1) {
    if (root != nullptr) {
      HELPINFO info{sizeof(HELPINFO), m_focus ? m_focus->GetDlgCtrlID() : 0, POINT{0, 0}};
      root->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    }
    return;
  }
  InputEvent event{InputEvent::Kind::KeyDown};
  event.key = key;
  event.modifiers = modifiers;
  if (m_shell != nullptr && m_shell->PreTranslateInput(event, nullptr)) return;
  if (root != nullptr && root->PreTranslateKey(key, modifiers)) return;
  // Without a focused control the window in front takes the keys itself.
  CWnd* target = m_focus != nullptr ? m_focus : root;
  if (target != nullptr) target->SendMessage(WM_KEYDOWN, key);
}

void WindowSystem::HandleCharacter(const InputEvent& event) {
  // Enter, Tab and Escape have been taken as keys already.
  const char16_t character = event.character;
  if (character == u'\r' || character == u'\t' || character == 0x1B) return;
  if (m_shell != nullptr && m_shell->PreTranslateInput(event, nullptr)) return;
  CWnd* target = m_focus != nullptr ? m_focus : ActiveModal();
  if (target != nullptr) target->SendMessage(WM_CHAR, character);
}

void WindowSystem::SetFocusCuesShown(bool shown) {
  if (shown == m_bFocusCues) return;
  Changed();
  m_bFocusCues = shown;
  const WPARAM state = MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS);
  struct Broadcast {
    WPARAM state;
    void To(CWnd* window) const {
      window->SendMessage(WM_UPDATEUISTATE, state);
      const std::vector<CWnd*> children = window->m_children;
      for (CWnd* child : children) To(child);
    }
  } broadcast{state};
  const std::vector<CWnd*> topLevels = m_topLevels;
  for (CWnd* window : topLevels) broadcast.To(window);
}
