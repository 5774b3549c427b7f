#pragma once
// The parts of the screen that belong to the shell rather than to a dialog: the title
// bar, the menu bar, the soft input panel above the menu bar, and the pop-up menu that a
// drop-down button of the bar opens. They are topmost windows that follow whichever
// dialog is in front; the window system knows them only as its shell bars.
#include <memory>
#include <optional>
#include <vector>

#include "platform/wnd/dialog.h"
#include "platform/wnd/shell_bars.h"

class TitleBarWnd;
class MenuBarWnd;
class PopupMenuWnd;
class SoftKeyboardWnd;

class ScreenChrome final : public ShellBars {
 public:
  ScreenChrome();
  ~ScreenChrome() override;

  // The shell bars of the program run in progress.
  static ScreenChrome& Current();

  // ---- ShellBars ------------------------------------------------------------------------
  void Follow() override;
  std::vector<CWnd*> Windows() const override;
  bool Owns(const CWnd* topLevel) const override;
  // An open pop-up takes the keys and characters and closes at a tap elsewhere; F10 and
  // Alt open the first drop-down menu of the dialog in front, or close the one open.
  bool PreTranslateInput(const InputEvent& event, const CWnd* penTarget) override;
  void Quitting() override { ClosePopup(); }

  // The full-screen dialog nearest the front: it owns the title bar and the menu bar.
  CDialog* FrontDialog() const;
  SoftKeyboardWnd& SoftKeyboard() { return *m_keyboard; }
  bool PopupIsOpen() const;

  // Screen rectangles, for scripts that tap by text; nothing when not shown.
  std::optional<CRect> MenuButtonRect(const CString& text) const;
  std::optional<CRect> PopupItemRect(const CString& text) const;
  // The menu bar's keyboard button, shown while the dialog in front holds an edit box.
  std::optional<CRect> InputPanelButtonRect() const;
  std::optional<CRect> CloseBoxRect() const;
  std::optional<CRect> CaptionOkRect() const;

 private:
  void OpenPopup(const CCommandBar::Button& button, const CRect& buttonRect, CDialog* owner);
  void ClosePopup();
  void ToggleInputPanel();
  void ToggleMenuByKey();
  // The arrows move the highlight, Enter chooses the highlighted item, Escape closes.
  void PopupKey(UINT key);

  std::unique_ptr<TitleBarWnd> m_titleBar;
  std::unique_ptr<MenuBarWnd> m_menuBar;
  std::unique_ptr<SoftKeyboardWnd> m_keyboard;  // below the pop-up, above everything else
  std::unique_ptr<PopupMenuWnd> m_popup;
};
