#pragma once
// The shell's menu bar at the bottom of the screen: the command bar of the full-screen
// dialog in front. A plain button sends its command to the dialog; a drop-down button
// asks for its pop-up menu to open, and looks pressed while that menu is open. While the
// dialog in front holds an edit box, a keyboard button at the right end raises and lowers
// the soft input panel, as the handheld's own bar offered wherever text was typed.
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "platform/wnd/dialog.h"

class MenuBarWnd : public CWnd {
 public:
  // Receives a drop-down button, its screen rectangle and the dialog that owns the bar.
  using OpenMenu = std::function<void(const CCommandBar::Button&, const CRect&, CDialog*)>;

  MenuBarWnd(OpenMenu openMenu, std::function<void()> toggleInputPanel);

  // `openMenu` is the menu whose pop-up is open, or null.
  void Follow(CDialog* dialog, const MenuTemplate* openMenu);
  // The button's rectangle in client coordinates.
  std::optional<CRect> ButtonRect(const CString& text) const;
  std::optional<CRect> InputPanelButtonRect() const;

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;

 private:
  CRect RectOfButton(std::size_t index) const;
  void PaintInputPanelButton(CDC& dc) const;

  OpenMenu m_openMenu;
  std::function<void()> m_toggleInputPanel;
  CDialog* m_pDialog = nullptr;
  std::vector<CString> m_texts;
  std::vector<int> m_widths;
  int m_nOpenButton = -1;  // the drop-down button whose menu is open, or -1
  bool m_bTakesText = false;
};
