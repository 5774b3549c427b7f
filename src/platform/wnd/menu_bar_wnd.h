#pragma once
// The shell's menu bar at the bottom of the screen: the command bar of the full-screen
// dialog in front. A plain button sends its command to the dialog; a drop-down button
// asks for its pop-up menu to open.
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "platform/wnd/dialog.h"

class MenuBarWnd : public CWnd {
 public:
  // Receives a drop-down button, its screen rectangle and the dialog that owns the bar.
  using OpenMenu = std::function<void(const CCommandBar::Button&, const CRect&, CDialog*)>;

  explicit MenuBarWnd(OpenMenu openMenu);

  void Follow(CDialog* dialog);
  // The button's rectangle in client coordinates.
  std::optional<CRect> ButtonRect(const CString& text) const;

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;

 private:
  CRect RectOfButton(std::size_t index) const;

  OpenMenu m_openMenu;
  CDialog* m_pDialog = nullptr;
  std::vector<CString> m_texts;
  std::vector<int> m_widths;
};
