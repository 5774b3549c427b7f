#include "dialogs/hi_scores_dlg.h"

#include "persistence/text_util.h"
#include "resources/resource_ids.h"

namespace {
// Row 0 has its own id; rows 1 to 9 follow on from IDC_SCORE1.
constexpr int RowId(int nRow) { return nRow == 0 ? IDC_SCORE0 : IDC_SCORE1 + nRow - 1; }

constexpr COLORREF kRowText = RGB(255, 255, 255);
constexpr COLORREF kRowBackground = RGB(0, 153, 51);
}  // namespace

CString HiScoreRowText(const CString& strName, int nScore) {
  return strName + u" \u00BB " + CTextUtil::IntToText(nScore);
}

CHiScoresDlg::CHiScoresDlg(CWnd* pParent) : CDialog(IDD_HISCORES, pParent) {}

CHiScoresDlg::~CHiScoresDlg() { DeleteRows(); }

void CHiScoresDlg::DeleteRows() {
  for (CLabelCtrl*& pRow : m_pRows) {
    delete pRow;
    pRow = nullptr;
  }
}

BOOL CHiScoresDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  DeleteRows();  // a second run of the same dialog builds them afresh
  for (int i = 0; i < kHiScoreCount; ++i) {
    CLabelCtrl* pRow = new CLabelCtrl(this, static_cast<UINT>(RowId(i)));
    m_pRows[static_cast<std::size_t>(i)] = pRow;
    pRow->SetText(HiScoreRowText(theSettings.m_strHiName[i], theSettings.m_nHiScore[i]));
    pRow->SetColors(kRowText, kRowBackground);
  }
  return TRUE;
}

void CHiScoresDlg::OnLButtonDown(UINT, CPoint) {}
