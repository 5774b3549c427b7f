#pragma once
// The parts of the screen that belong to the shell rather than to a dialog: the title
// bar at the top (the caption of the dialog in front, with its close box or OK button),
// the menu bar at the bottom (the command bar of that dialog), the soft input panel above
// the menu bar, and the pop-up menu that a drop-down button of the bar opens above it.
// They are topmost windows that follow whichever dialog is in front.
#include <memory>
#include <optional>
#include <vector>

#include "platform/wnd/dialog.h"
#include "platform/wnd/wnd.h"

class TitleBarWnd;
class MenuBarWnd;
class PopupMenuWnd;
class SoftKeyboardWnd;

class ScreenChrome {
 public:
  ScreenChrome();
  ~ScreenChrome();

  // Follows the dialog in front: caption, close box, menu-bar buttons.
  void Update();
  std::vector<CWnd*> Windows() const;
  bool Owns(const CWnd* topLevel) const;

  // The full-screen dialog nearest the front: it owns the title bar and the menu bar.
  CDialog* FrontDialog() const;

  SoftKeyboardWnd& SoftKeyboard() { return *m_keyboard; }

  bool PopupIsOpen() const;
  bool IsPopup(const CWnd* window) const;
  void OpenPopup(const CCommandBar::Button& button, const CRect& buttonRect, CDialog* owner);
  void ClosePopup();
  // F10 or Alt: opens the first drop-down menu of the dialog in front with its first item
  // highlighted, or closes the pop-up that is open.
  void ToggleMenuByKey();
  // A key while the pop-up is open: the arrows move the highlight, Enter chooses the
  // highlighted item, Escape closes.
  void PopupKey(UINT key);

  // Screen rectangles, for scripts that tap by text; nothing when not shown.
  std::optional<CRect> MenuButtonRect(const CString& text) const;
  std::optional<CRect> PopupItemRect(const CString& text) const;
  std::optional<CRect> CloseBoxRect() const;
  std::optional<CRect> CaptionOkRect() const;

 private:
  std::unique_ptr<TitleBarWnd> m_titleBar;
  std::unique_ptr<MenuBarWnd> m_menuBar;
  std::unique_ptr<SoftKeyboardWnd> m_keyboard;  // below the pop-up, above everything else
  std::unique_ptr<PopupMenuWnd> m_popup;
};
