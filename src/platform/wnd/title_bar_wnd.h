#pragma once
// The shell's title bar at the top of the screen: the caption of the full-screen dialog in
// front, with its close box or its OK button, which send IDCANCEL or IDOK to it; a tap on
// the caption sends IDC_CAPTION.
#include <optional>

#include "platform/wnd/dialog.h"

class TitleBarWnd : public CWnd {
 public:
  TitleBarWnd();

  void Follow(CDialog* dialog);
  // The close box (ok false) or the OK button (ok true) in screen pixels; nothing when not shown.
  std::optional<CRect> ButtonRect(bool ok) const;

 protected:
  void OnPaint() override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;

 private:
  struct State {
    CDialog* dialog = nullptr;
    CString caption;
    bool close = false;
    bool ok = false;
    bool operator==(const State&) const = default;
  };

  int CommandAt(CPoint point) const;

  State m_state;
  int m_nPressed = 0;
};
