#include "platform/wnd/window_system.h"

#include <algorithm>
#include <cstring>

#include "platform/wnd/dialog.h"
#include "platform/wnd/screen_chrome.h"
#include "platform/core/require.h"

namespace {
constexpr COLORREF DESKTOP_COLOR = RGB(255, 255, 255);

CRect Union(const CRect& a, const CRect& b) {
  if (a.IsRectEmpty()) return b;
  if (b.IsRectEmpty()) return a;
  return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom));
}

LPARAM PointParam(POINT p) { return MAKELPARAM(p.x, p.y); }
}  // namespace

WindowSystem& WindowSystem::Get() {
  // Never destroyed: static objects of the program may still show a message box while
  // the program ends.
  static WindowSystem* system = new WindowSystem;
  return *system;
}

WindowSystem::WindowSystem() : m_screen(SCREEN_WIDTH, SCREEN_HEIGHT, DESKTOP_COLOR) {}

ScreenChrome& WindowSystem::Chrome() {
  if (m_pChrome == nullptr) m_pChrome = new ScreenChrome;
  return *m_pChrome;
}

// ---- tree ---------------------------------------------------------------------------------

void WindowSystem::LinkTopLevel(CWnd* window, bool topmost) {
  if (topmost) {
    m_topLevels.insert(m_topLevels.begin(), window);
    ++m_nTopmost;
  } else {
    m_topLevels.insert(m_topLevels.begin() + m_nTopmost, window);
  }
}

void WindowSystem::UnlinkTopLevel(CWnd* window) {
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

CRect WindowSystem::ScreenRectOf(const CWnd* window) const {
  CRect rect = window->m_rcWindow;
  if (window->m_pParentWnd != nullptr) {
    const CRect parentClient = ScreenClientRectOf(window->m_pParentWnd);
    rect.OffsetRect(parentClient.left, parentClient.top);
  }
  return rect;
}

CRect WindowSystem::ScreenClientRectOf(const CWnd* window) const {
  const CRect rect = ScreenRectOf(window);
  CRect client = window->m_rcClientInWindow;
  client.OffsetRect(rect.left, rect.top);
  return client;
}

CWnd* WindowSystem::HitTestTree(CWnd* window, POINT point) const {
  if (!(window->m_dwStyle & WS_VISIBLE) || !ScreenRectOf(window).PtInRect(point)) return nullptr;
  if (ScreenClientRectOf(window).PtInRect(point)) {
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
  MarkValid(window);
  std::erase_if(m_timers, [window](const Timer& t) { return t.window == window; });
  if (m_focus == window) m_focus = nullptr;
  if (m_capture == window) m_capture = nullptr;
  // The title bar, menu bar and pop-up must not keep pointing at a dialog that goes.
  if (window->m_pParentWnd == nullptr && m_pChrome != nullptr && !m_pChrome->Owns(window)) m_pChrome->Update();
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

bool WindowSystem::PaintInvalidWindows() {
  Chrome().Update();
  if (m_nInvalid == 0) return false;
  const int before = m_nInvalid;
  const std::vector<CWnd*> topLevels = m_topLevels;
  for (CWnd* window : topLevels) PaintTree(window);
  return m_nInvalid != before;
}

void WindowSystem::ScreenChanged(const RECT& screenRect) {
  m_dirty = Union(m_dirty, CRect(screenRect).Intersect(CRect(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)));
}

void WindowSystem::ComposeTree(CWnd* window, const CRect& clip) {
  if (!(window->m_dwStyle & WS_VISIBLE)) return;
  const CRect rect = ScreenRectOf(window);
  const CRect area = rect.Intersect(clip);
  if (!area.IsRectEmpty()) {
    const std::size_t bytes = static_cast<std::size_t>(area.Width()) * sizeof(COLORREF);
    for (int y = area.top; y < area.bottom; ++y) {
      std::memcpy(m_screen.Row(y) + area.left, window->m_surface.Row(y - rect.top) + (area.left - rect.left), bytes);
    }
  }
  const CRect childClip = ScreenClientRectOf(window).Intersect(clip);
  if (childClip.IsRectEmpty()) return;
  for (auto it = window->m_children.rbegin(); it != window->m_children.rend(); ++it) ComposeTree(*it, childClip);
}

void WindowSystem::RefreshScreen() {
  Chrome().Update();
  for (CWnd* window : Chrome().Windows()) PaintTree(window);

  // Every visible window whose pixels changed since it was last composed adds its area.
  struct Collector {
    WindowSystem& system;
    void Visit(CWnd* window) {
      if (!(window->m_dwStyle & WS_VISIBLE)) return;
      if (window->m_surface.ChangeCount() != window->m_composedChange) {
        window->m_composedChange = window->m_surface.ChangeCount();
        system.ScreenChanged(system.ScreenRectOf(window));
      }
      for (CWnd* child : window->m_children) Visit(child);
    }
  } collector{*this};
  for (CWnd* window : m_topLevels) collector.Visit(window);

  if (m_dirty.IsRectEmpty()) return;
  const CRect dirty = m_dirty;
  m_dirty = CRect();
  for (int y = dirty.top; y < dirty.bottom; ++y) std::fill_n(m_screen.Row(y) + dirty.left, dirty.Width(), DESKTOP_COLOR);
  for (auto it = m_topLevels.rbegin(); it != m_topLevels.rend(); ++it) ComposeTree(*it, dirty);
  m_screen.MarkChanged();
  CurrentBackend().Present(FrameView{SCREEN_WIDTH, SCREEN_HEIGHT, m_screen.Data(), dirty});
}

// ---- focus and timers -----------------------------------------------------------------------

void WindowSystem::SetFocusWindow(CWnd* window) {
  if (window == m_focus) return;
  CWnd* old = m_focus;
  m_focus = window;
  if (old != nullptr) old->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(window ? window->m_hWnd : nullptr));
  if (window != nullptr) window->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(old ? old->m_hWnd : nullptr));
}

void WindowSystem::SetTimer(CWnd* window, UINT_PTR id, UINT period) {
  const std::uint64_t due = CurrentBackend().NowMs() + period;
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
  const std::uint64_t now = CurrentBackend().NowMs();
  auto due = std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) { return a.due < b.due; });
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
  if (const std::optional<InputEvent> event = CurrentBackend().WaitForEvent(NextTimerDue())) DispatchInput(*event);
}

void WindowSystem::RunModalLoop(CDialog* dialog) {
  while (!dialog->IsModalEnded()) {
    if (m_bQuitting) {
      dialog->EndDialog(dialog->ResultWhenClosed());
      break;
    }
    PumpOnce();
  }
}

void WindowSystem::Sleep(DWORD milliseconds) {
  RefreshScreen();
  Backend& backend = CurrentBackend();
  const std::uint64_t deadline = backend.NowMs() + milliseconds;
  m_bSleeping = true;
  while (backend.NowMs() < deadline) {
    if (const std::optional<InputEvent> event = backend.WaitForEvent(deadline)) m_pendingInput.push_back(*event);
  }
  m_bSleeping = false;
}

void WindowSystem::Quit() {
  m_bQuitting = true;
  Chrome().ClosePopup();
}

void WindowSystem::StartRun() { m_bQuitting = false; }

// ---- modal dialogs ------------------------------------------------------------------------

void WindowSystem::PushModal(CDialog* dialog) { m_modal.push_back(dialog); }

void WindowSystem::PopModal(CDialog* dialog) {
  PLATFORM_REQUIRE(!m_modal.empty() && m_modal.back() == dialog, "modal loops end innermost first");
  m_modal.pop_back();
  if (m_modal.empty()) {
    // The program may start over (a test runs the next script).
    m_pendingInput.clear();
    m_bFocusCues = false;
  }
}

bool WindowSystem::AcceptsInput(const CWnd* window) const {
  const CDialog* active = ActiveDialog();
  if (active == nullptr) return true;
  const CWnd* root = window;
  while (root->m_pParentWnd != nullptr) root = root->m_pParentWnd;
  return root == active || (m_pChrome != nullptr && m_pChrome->Owns(root));
}

// ---- input --------------------------------------------------------------------------------

void WindowSystem::DispatchInput(const InputEvent& event) {
  switch (event.kind) {
    case InputEvent::Kind::PenDown: {
      SetFocusCuesShown(false);
      CWnd* target = HitTest(event.point);
      if (Chrome().PopupIsOpen() && !Chrome().IsPopup(target)) {
        Chrome().ClosePopup();
        m_bSwallowPenUp = true;
        return;
      }
      if (target == nullptr || !AcceptsInput(target)) {
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
      return;
    }
    case InputEvent::Kind::PenMove:
      if (m_capture != nullptr) {
        POINT p = event.point;
        m_capture->ScreenToClient(&p);
        m_capture->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, PointParam(p));
      }
      return;
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
    case InputEvent::Kind::Character:
      HandleCharacter(event.character);
      return;
    case InputEvent::Kind::Help:
      if (CDialog* dialog = ActiveDialog()) {
        HELPINFO info{sizeof(HELPINFO), m_focus ? m_focus->GetDlgCtrlID() : 0, POINT{0, 0}};
        dialog->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
      }
      return;
    case InputEvent::Kind::Close:
      Quit();
      return;
  }
}

void WindowSystem::HandleKey(UINT key, UINT modifiers) {
  if (key == VK_F1) {
    DispatchInput(InputEvent{InputEvent::Kind::Help});
    return;
  }
  if (key == VK_F10 || key == VK_MENU) {
    Chrome().ToggleMenuByKey();
    return;
  }
  if (Chrome().PopupIsOpen()) {
    Chrome().PopupKey(key);
    return;
  }
  // Without a focused control the dialog itself takes the keys, as a dialog with no
  // controls that take the focus does.
  CDialog* dialog = ActiveDialog();
  CWnd* target = m_focus != nullptr ? m_focus : dialog;
  if (dialog != nullptr) {
    if (key == VK_RETURN && !target->WantsReturnKey()) {
      dialog->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(dialog->DefaultCommandId()), BN_CLICKED));
      return;
    }
    if (key == VK_ESCAPE) {
      dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
      return;
    }
    if (key == VK_TAB && MoveFocusToNextTabStop((modifiers & MOD_SHIFT_DOWN) != 0)) return;
  }
  if (target != nullptr) target->SendMessage(WM_KEYDOWN, key);
}

void WindowSystem::HandleCharacter(char16_t character) {
  // The dialog manager has taken these as keys already.
  if (character == u'\r' || character == u'\t' || character == 0x1B) return;
  if (Chrome().PopupIsOpen()) return;
  CWnd* target = m_focus != nullptr ? m_focus : ActiveDialog();
  if (target != nullptr) target->SendMessage(WM_CHAR, character);
}

bool WindowSystem::MoveFocusToNextTabStop(bool backwards) {
  CDialog* dialog = ActiveDialog();
  std::vector<CWnd*> stops;
  for (CWnd* child : dialog->m_children) {
    if ((child->m_dwStyle & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE)) stops.push_back(child);
  }
  if (stops.empty()) return false;
  if (backwards) std::reverse(stops.begin(), stops.end());
  const auto it = std::find(stops.begin(), stops.end(), m_focus);
  SetFocusWindow(it == stops.end() || it + 1 == stops.end() ? stops.front() : *(it + 1));
  return true;
}

void WindowSystem::SetFocusCuesShown(bool shown) {
  if (shown == m_bFocusCues) return;
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
