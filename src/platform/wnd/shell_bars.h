#pragma once
// The shell's own windows around the program's dialogs (title bar, menu bar, soft input
// panel, pop-up menu), as the window system sees them: windows that follow the window in
// front, that are painted with everything else, and that see input before it is
// dispatched, as a menu that is open takes the keys and closes at a tap elsewhere.
#include <vector>

#include "platform/core/backend.h"

class CWnd;

class ShellBars {
 public:
  virtual ~ShellBars() = default;

  // The windows in front may have changed: follow them (caption, buttons, the open menu).
  virtual void Follow() = 0;
  virtual std::vector<CWnd*> Windows() const = 0;
  virtual bool Owns(const CWnd* topLevel) const = 0;

  // Input before it is dispatched; true when the shell took it. `penTarget` is the window
  // under a pen-down, or null.
  virtual bool PreTranslateInput(const InputEvent& event, const CWnd* penTarget) = 0;

  // The program is asked to close: nothing of the shell may stay open.
  virtual void Quitting() = 0;
};
