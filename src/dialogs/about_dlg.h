#pragma once
// About: the title art and the version line. Taps on it do nothing; Enter or the close
// box end it.
#include "platform/wnd/dialog.h"

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* pParent = nullptr);
  ~CAboutDlg() override;

  BOOL OnInitDialog() override;

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point) override;
};
