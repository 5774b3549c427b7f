#include "dialogs/about_dlg.h"

#include "resources/resource_ids.h"

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUT, pParent) {}

CAboutDlg::~CAboutDlg() = default;

BOOL CAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetDlgItemText(IDT_TEXT, u"TUMBLA V1.01 16-Nov-03");
  return TRUE;
}

void CAboutDlg::OnLButtonDown(UINT, CPoint) {}
