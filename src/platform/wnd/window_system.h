#pragma once
// The one message pump behind every window: the top-level windows in z-order, focus and
// pen capture, timers on the back end's clock, the paint cycle, the modal loops, and the
// composed screen. The game never includes this; back ends and tests do, to look at the
// screen and to find windows by id or text.
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "platform/core/backend.h"
#include "platform/wnd/wnd.h"

class CDialog;
class ScreenChrome;

constexpr int SCREEN_WIDTH = 240;
constexpr int SCREEN_HEIGHT = 320;
constexpr int TITLE_BAR_HEIGHT = 26;
constexpr int MENU_BAR_HEIGHT = 26;
// Where dialogs live: between the title bar and the menu bar.
constexpr RECT WORK_AREA{0, TITLE_BAR_HEIGHT, SCREEN_WIDTH, SCREEN_HEIGHT - MENU_BAR_HEIGHT};

class WindowSystem {
 public:
  static WindowSystem& Get();

  // ---- tree -----------------------------------------------------------------------------
  void LinkTopLevel(CWnd* window, bool topmost);
  void UnlinkTopLevel(CWnd* window);
  void BringToTop(CWnd* window);
  const std::vector<CWnd*>& TopLevels() const { return m_topLevels; }
  CRect ScreenRectOf(const CWnd* window) const;        // the whole window
  CRect ScreenClientRectOf(const CWnd* window) const;  // its client area
  // The topmost visible window at a screen point that takes pen input; null if none.
  CWnd* HitTest(POINT screenPoint) const;
  void ForgetWindow(CWnd* window);  // a window is being destroyed
  bool IsLiveWindow(const CWnd* window) const;

  // ---- paint ----------------------------------------------------------------------------
  void MarkInvalid(CWnd* window);
  void MarkValid(CWnd* window);
  void PaintTree(CWnd* window);  // paints the invalid windows of a tree, parents first
  void ScreenChanged(const RECT& screenRect);
  // Composes what changed and presents the screen when anything did.
  void RefreshScreen();
  const Surface& ScreenPixels() const { return m_screen; }

  // ---- focus, timers ---------------------------------------------------------------------
  void SetFocusWindow(CWnd* window);
  CWnd* FocusWindow() const { return m_focus; }
  // Focus cues show from the first key press until the next pen tap; every window hears
  // of a change by WM_UPDATEUISTATE.
  bool FocusCuesShown() const { return m_bFocusCues; }
  // The modifiers (MOD_...) of the key press being handled.
  UINT KeyModifiers() const { return m_nKeyModifiers; }
  void SetTimer(CWnd* window, UINT_PTR id, UINT period);
  bool KillTimer(CWnd* window, UINT_PTR id);
  std::optional<std::uint64_t> NextTimerDue() const;

  // ---- the pump -------------------------------------------------------------------------
  // One turn: queued input, else paint, else a due timer, else present and wait.
  void PumpOnce();
  void RunModalLoop(CDialog* dialog);
  void Sleep(DWORD milliseconds);
  bool IsSleeping() const { return m_bSleeping; }
  // The desktop asked the program to close: every modal loop ends, also those started
  // later in this program run, such as the board's after a box shown while loading.
  void Quit();
  bool IsQuitting() const { return m_bQuitting; }
  // A program run begins: a quit request of an earlier run in this process is forgotten.
  void StartRun();
  void DispatchInput(const InputEvent& event);

  // ---- modal dialogs ---------------------------------------------------------------------
  void PushModal(CDialog* dialog);
  void PopModal(CDialog* dialog);
  // The dialog whose modal loop runs innermost; null when none runs.
  CDialog* ActiveDialog() const { return m_modal.empty() ? nullptr : m_modal.back(); }
  ScreenChrome& Chrome();

 private:
  WindowSystem();
  CWnd* HitTestTree(CWnd* window, POINT screenPoint) const;
  bool AcceptsInput(const CWnd* window) const;
  void HandleKey(UINT key, UINT modifiers);
  void HandleCharacter(char16_t character);
  // False when the dialog has no tab stops.
  bool MoveFocusToNextTabStop(bool backwards);
  void SetFocusCuesShown(bool shown);
  bool FireDueTimer();
  bool PaintInvalidWindows();
  void ComposeTree(CWnd* window, const CRect& clip);

  struct Timer {
    CWnd* window;
    UINT_PTR id;
    UINT period;
    std::uint64_t due;
  };

  std::vector<CWnd*> m_topLevels;  // index 0 on top
  int m_nTopmost = 0;              // how many of the first top-levels stay above the rest
  std::vector<CDialog*> m_modal;
  std::vector<Timer> m_timers;
  std::deque<InputEvent> m_pendingInput;
  CWnd* m_focus = nullptr;
  CWnd* m_capture = nullptr;
  bool m_bSwallowPenUp = false;
  bool m_bFocusCues = false;
  UINT m_nKeyModifiers = 0;
  int m_nInvalid = 0;
  bool m_bSleeping = false;
  bool m_bQuitting = false;
  Surface m_screen;
  CRect m_dirty;
  ScreenChrome* m_pChrome = nullptr;
};
