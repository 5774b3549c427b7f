#pragma once
// The pop-up menu that a drop-down button of the menu bar opens above the bar: items and
// separators of a menu resource, chosen by the pen or by the arrows and Enter; a chosen
// item's command goes to the dialog that owns the bar.
#include <cstddef>
#include <optional>

#include "platform/wnd/dialog.h"

class PopupMenuWnd : public CWnd {
 public:
  PopupMenuWnd();

  void Open(const MenuTemplate* menu, const CRect& buttonRect, CDialog* owner);
  void Close();
  bool IsOpen() const { return m_pMenu != nullptr; }
  CDialog* Owner() const { return m_pOwner; }
  // The menu shown; null while closed.
  const MenuTemplate* Menu() const { return m_pMenu; }

  // The item's rectangle in client coordinates.
  std::optional<CRect> ItemRect(const CString& text) const;
  // Moves the highlight to the next item (not a separator) in that direction, round the
  // ends; from no highlight, Down starts at the first item and Up at the last.
  void MoveHighlight(int step);
  void ChooseHighlighted();

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  // A hovering pointer lights the item under it.
  void OnMouseMove(UINT flags, CPoint point) override;

 private:
  CRect RectOfItem(std::size_t index) const;
  // The index of the item (not a separator) under the point, or -1.
  int ItemAt(CPoint point) const;
  void Choose(int item);

  const MenuTemplate* m_pMenu = nullptr;
  CDialog* m_pOwner = nullptr;
  // The item under the pen, or the one the arrow keys moved to; -1 for none.
  int m_nHighlighted = -1;
};
