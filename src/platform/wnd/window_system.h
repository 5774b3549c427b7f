#pragma once
// The one message pump behind every window of a program run: the top-level windows in
// z-order, focus and pen capture, timers on the back end's clock, the paint cycle, the
// modal loops' stack, the quit request and the composed screen. One object per run: it
// begins empty and everything it owns ends with it. The game never includes this; the
// program's set-up and the tests' scripts do.
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/core/backend.h"
#include "platform/core/screen_size.h"
#include "platform/wnd/shell_bars.h"
#include "platform/wnd/window_host.h"
#include "platform/wnd/wnd.h"

class WindowSystem final : public WindowHost {
 public:
  // The run presents to and waits on that back end until it ends.
  explicit WindowSystem(Backend& backend);
  ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

  // The run in progress; one must be.
  static WindowSystem& Current();
  static bool InProgress();

  Backend& GetBackend() const { return m_backend; }
  void AttachShell(std::unique_ptr<ShellBars> shell);
  ShellBars* Shell() const { return m_shell.get(); }

  // ---- tree -----------------------------------------------------------------------------
  void LinkTopLevel(CWnd* window, bool topmost) override;
  void UnlinkTopLevel(CWnd* window) override;
  void BringToTop(CWnd* window) override;
  void ForgetWindow(CWnd* window) override;
  const std::vector<CWnd*>& TopLevels() const { return m_topLevels; }
  // The topmost visible window at a screen point that takes pen input; null if none.
  CWnd* HitTest(POINT screenPoint) const;
  bool IsLiveWindow(const CWnd* window) const;

  // ---- paint ----------------------------------------------------------------------------
  void ScreenChanged(const RECT& screenRect) override;
  void SetScreenSize(int width, int height) override;
  SIZE ViewShape() const override { return m_viewShape; }
  void MarkInvalid(CWnd* window) override;
  void MarkValid(CWnd* window) override;
  void PaintTree(CWnd* window) override;
  // Composes what changed and presents the screen when anything did.
  void RefreshScreen();
  const Surface& ScreenPixels() const { return m_screen; }

  // ---- focus, timers ---------------------------------------------------------------------
  void SetFocusWindow(CWnd* window) override;
  CWnd* FocusWindow() const override { return m_focus; }
  bool FocusCuesShown() const override { return m_bFocusCues; }
  UINT KeyModifiers() const override { return m_nKeyModifiers; }
  void SetTimer(CWnd* window, UINT_PTR id, UINT period) override;
  bool KillTimer(CWnd* window, UINT_PTR id) override;
  std::optional<std::uint64_t> NextTimerDue() const;

  // ---- the pump -------------------------------------------------------------------------
  // One turn: queued input, else paint, else a due timer, else present and wait.
  void PumpOnce();
  void Sleep(DWORD milliseconds) override;
  // The system asked the program to end, or its window agreed to close: every modal loop of
  // the run ends, also those started later, such as the board's after a box shown while loading.
  void Quit() override;
  bool IsQuitting() const { return m_bQuitting; }
  void DispatchInput(const InputEvent& event);

  // ---- modal loops -----------------------------------------------------------------------
  // A window whose modal loop runs; only it (and the shell) takes input until it pops.
  void PushModal(CWnd* root);
  void PopModal(CWnd* root);
  // The window whose modal loop runs innermost; null when none runs.
  CWnd* ActiveModal() const { return m_modal.empty() ? nullptr : m_modal.back(); }

 private:
  CWnd* HitTestTree(CWnd* window, POINT screenPoint) const;
  bool AcceptsInput(const CWnd* window) const;
  void HandlePenDown(const InputEvent& event);
  void HandleHover(POINT screenPoint);
  void HandleKey(UINT key, UINT modifiers);
  void HandleCharacter(const InputEvent& event);
  void SetFocusCuesShown(bool shown);
  bool FireDueTimer();
  bool PaintInvalidWindows();
  void ComposeTree(CWnd* window, const CRect& clip);
  // Something of the tree, the focus, the modal loops or any window's pixels changed since
  // the screen was last brought up to date; while not, an idle turn costs next to nothing.
  void Changed() { ++m_nChanges; }
  bool ChangedSinceRefresh() const;
  void MarkRefreshed();

  struct Timer {
    CWnd* window;
    UINT_PTR id;
    UINT period;
    std::uint64_t due;
  };

  Backend& m_backend;
  std::unique_ptr<ShellBars> m_shell;
  std::vector<CWnd*> m_topLevels;  // index 0 on top
  int m_nTopmost = 0;              // how many of the first top-levels stay above the rest
  std::vector<CWnd*> m_modal;
  std::vector<Timer> m_timers;
  std::deque<InputEvent> m_pendingInput;
  CWnd* m_focus = nullptr;
  CWnd* m_capture = nullptr;
  CWnd* m_hover = nullptr;  // the window the pointer last hovered over
  bool m_bSwallowPenUp = false;
  bool m_bFocusCues = false;
  SIZE m_viewShape{0, 0};
  UINT m_nKeyModifiers = 0;
  int m_nInvalid = 0;
  bool m_bQuitting = false;
  Surface m_screen;
  CRect m_dirty;
  std::uint64_t m_nChanges = 1;
  std::uint64_t m_nRefreshedChanges = 0;
  std::uint64_t m_nRefreshedSurfaceChanges = 0;
};
