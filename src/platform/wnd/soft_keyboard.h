#pragma once
// The soft input panel: a keyboard of letters, digits, a little punctuation, Shift, Space,
// Backspace, Enter and a key that puts the panel away, in the strip just above the menu bar. A tap on a key arrives as
// the same key and character input a physical keyboard gives, at the window with the focus; the panel itself never
// takes the focus, so the edit box being typed into keeps it.
//
// How the game uses it: only through SHSipPreference (shell.h), which raises and lowers it.
// Tests tap its keys by label through KeyRect.
#include <optional>
#include <vector>

#include "platform/wnd/wnd.h"

constexpr int SOFT_KEYBOARD_HEIGHT = 80;

class SoftKeyboardWnd : public CWnd {
 public:
  SoftKeyboardWnd();

  void Raise();
  void Lower();
  bool IsRaised() const;
  // Shift is one-shot: it applies to the next key and then lets go.
  bool IsShifted() const { return m_bShifted; }

  // A key's screen rectangle by its unshifted label: "a", "7", "-", or one of "Shift",
  // "Space", "Bksp", "Enter", "Hide".
  std::optional<CRect> KeyRect(const CString& label) const;

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;

 private:
  enum class Action { Type, Shift, Hide };
  struct Key {
    CString label;
    Action action;
    char16_t character;  // what Type types, unshifted and shifted
    char16_t shifted;
    UINT virtualKey;  // the key Type presses first; 0 for none
    CRect rect;       // in the panel's client coordinates
  };

  static std::vector<Key> Layout();
  int KeyAt(CPoint point) const;
  void Press(const Key& key);

  std::vector<Key> m_keys;
  int m_nPressed = -1;  // the key under the pen while it is down, or -1
  bool m_bPenInside = false;
  bool m_bShifted = false;
};
