#pragma once
// What a window asks of the system it lives in: a place among the top-level windows, the
// screen areas to compose again, painting, timers, the focus and the modal pauses. The
// window system of the program run implements it; windows reach it through CurrentHost(),
// so that the windows never depend on the pump that drives them.
#include "platform/core/win_types.h"
#include "platform/wnd/win_constants.h"

class CWnd;

class WindowHost {
 public:
  virtual void LinkTopLevel(CWnd* window, bool topmost) = 0;
  virtual void UnlinkTopLevel(CWnd* window) = 0;
  virtual void BringToTop(CWnd* window) = 0;
  // A window is being destroyed: its timers, focus and capture go with it.
  virtual void ForgetWindow(CWnd* window) = 0;

  // A part of the screen, in screen pixels, must be composed again.
  virtual void ScreenChanged(const RECT& screenRect) = 0;
  // The composed screen's size: the handheld's unless a program adds to it (a panel beside
  // it); what no window covers shows the desktop colour.
  virtual void SetScreenSize(int width, int height) = 0;
  // The shape of the view the screen is shown in, as the back end last told it (a browser's
  // page); {0, 0} where it never tells (a desktop window, which takes the screen's shape).
  virtual SIZE ViewShape() const = 0;
  virtual void MarkInvalid(CWnd* window) = 0;
  virtual void MarkValid(CWnd* window) = 0;
  // Paints the invalid windows of a tree, parents first.
  virtual void PaintTree(CWnd* window) = 0;

  virtual void SetTimer(CWnd* window, UINT_PTR id, UINT period) = 0;
  virtual bool KillTimer(CWnd* window, UINT_PTR id) = 0;

  virtual void SetFocusWindow(CWnd* window) = 0;
  virtual CWnd* FocusWindow() const = 0;
  // Focus cues show from the first key press until the next pen tap.
  virtual bool FocusCuesShown() const = 0;
  // The modifiers (MOD_...) of the key press being handled.
  virtual UINT KeyModifiers() const = 0;

  // Blocks for that long on the run's clock with the screen up to date; input that
  // arrives meanwhile is handled afterwards, in order.
  virtual void Sleep(DWORD milliseconds) = 0;

  // Every modal loop of the run ends, also those started later, and the program with them.
  virtual void Quit() = 0;

 protected:
  ~WindowHost() = default;
};

// The host of the program run in progress; a run must be in progress.
WindowHost& CurrentHost();
