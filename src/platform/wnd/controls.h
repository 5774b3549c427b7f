#pragma once
// The standard controls that dialog templates create: static text and pictures, push
// buttons and automatic check boxes, and the edit box. They draw in the program-wide
// dialog colours and tell their dialog about taps with WM_COMMAND.
//
// How the game uses it: mostly through the dialog (GetDlgItem, SetDlgItemText,
// GetDlgItemText, SendDlgItemMessage with BM_SETCHECK and BM_GETCHECK). A push button
// in a template is a placeholder that the game's own controls replace.
#include <functional>
#include <memory>
#include <utility>

#include "platform/gdi/gdi.h"
#include "platform/wnd/dialog_template.h"
#include "platform/wnd/wnd.h"

// A press of the pen on a control: the control looks pressed while the pen stays on it,
// and the press is a click only when the pen is lifted there. Each step repaints the
// control where its look changes.
class PenPress {
 public:
  explicit PenPress(CWnd& control) : m_control(control) {}
  void Down();
  void Move(CPoint point);
  // True when the press ends on the control.
  bool Up(CPoint point);
  bool LooksPressed() const { return m_bDown && m_bInside; }

 private:
  bool Inside(CPoint point) const;

  CWnd& m_control;
  bool m_bDown = false;
  bool m_bInside = false;
};

class CStatic : public CWnd {
 public:
  // A picture (SS_BITMAP) shows a bitmap resource at its top-left corner and takes the
  // bitmap's size; a missing bitmap shows nothing but the dialog background.
  void SetBitmapResource(int bitmapId);

 protected:
  void OnPaint() override;
  // A tappable static (SS_NOTIFY) tells its parent when the pen is lifted on it; a
  // picture looks pressed, one pixel in, while the pen is held there.
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  bool LetsTapsThrough() const override { return !(GetStyle() & SS_NOTIFY); }

 private:
  // A picture that is not tapped is let go after its paint: the window keeps what it painted,
  // and holding the decoded picture as well would keep a second copy of the largest image,
  // the board, all game long. A tappable one repaints at every press and keeps it.
  UINT m_bitmapId = 0;  // 0: no picture
  std::unique_ptr<CBitmap> m_decoded;
  PenPress m_press{*this};
};

class CButton : public CWnd {
 public:
  void SetCheck(int check);
  int GetCheck() const { return m_nCheck; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  // Space clicks the focused button as a tap does.
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnSetFocus(CWnd* oldFocus) override;
  void OnKillFocus(CWnd* newFocus) override;
  void OnUpdateUIState(UINT action, UINT element) override;
  bool WantsFocusOnTap() const override { return true; }

 private:
  bool IsCheckBox() const { return (GetStyle() & BS_TYPEMASK) == BS_AUTOCHECKBOX; }
  void Click();
  // The focus cue: a frame around the button while it has the focus and cues show.
  void FrameFocus(CDC& dc, const CRect& client);
  void PaintPushButton(CDC& dc, const CRect& client);
  void PaintCheckBox(CDC& dc, const CRect& client);

  int m_nCheck = BST_UNCHECKED;
  PenPress m_press{*this};
};

// A one-line edit box: typing inserts at the caret; Backspace, Delete, the arrows, Home
// and End edit and move. There is no length limit.
class CEdit : public CWnd {
 public:
  int CaretPosition() const;
  // A typed character that `accepts` turns down is not inserted; the check may say why.
  void SetCharacterCheck(std::function<bool(char16_t)> accepts) { m_accepts = std::move(accepts); }

 protected:
  void OnPaint() override;
  void OnChar(UINT character, UINT repeat, UINT flags) override;
  void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
  void OnSetFocus(CWnd* oldFocus) override;
  void OnKillFocus(CWnd* newFocus) override;
  bool WantsFocusOnTap() const override { return true; }
  bool WantsReturnKey() const override { return (GetStyle() & ES_MULTILINE) && (GetStyle() & ES_WANTRETURN); }

 private:
  std::size_t m_nCaret = 0;  // kept within the text, which may change under it
  std::function<bool(char16_t)> m_accepts;
};

// Creates the window of one template item as a child of the dialog, which keeps the
// object until its own window is gone.
std::unique_ptr<CWnd> CreateTemplateItem(const DialogItemTemplate& item, CWnd* dialog);
