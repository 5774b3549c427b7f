#include "dialogs/name_entry_dlg.h"

#include "draw/sound_cue.h"
#include "persistence/hi_score_table.h"
#include "platform/wnd/controls.h"
#include "platform/wnd/shell.h"
#include "resources/resource_ids.h"

CNameEntryDlg::CNameEntryDlg(CString* pName, CWnd* pParent) : CDialog(IDD_NAME_ENTRY, pParent), m_pName(pName) {
  MapCommand(IDC_ENTER_PICTURE, &CNameEntryDlg::OnEnterPicture);
}

CNameEntryDlg::~CNameEntryDlg() = default;

BOOL CNameEntryDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SHSipPreference(m_hWnd, SIP_UP);
  // A character the settings file could not give back is refused as it is typed, so the
  // rest of the name stays in the box.
  if (auto* pEdit = dynamic_cast<CEdit*>(GetDlgItem(IDC_NAME))) {
    pEdit->SetCharacterCheck([](char16_t c) {
      if (IsStorableName(CString(1, c))) return true;
      PlayCue(u"WAV_4");
      return false;
    });
  }
  return TRUE;
}

void CNameEntryDlg::OnEnterPicture() { OnOK(); }

void CNameEntryDlg::OnOK() {
  CString strName;
  GetDlgItemText(IDC_NAME, strName);
  if (strName.size() > kMaxNameLength) {
    Refuse(u"Your name must not be longer than 20 characters!");
    return;
  }
  PlayCue(u"WAV_5");
  SHSipPreference(m_hWnd, SIP_FORCEDOWN);
  *m_pName = strName;
  CDialog::OnOK();
}

void CNameEntryDlg::Refuse(const CString& strMessage) {
  PlayCue(u"WAV_4");
  AfxMessageBox(strMessage, MB_OK);
  SetDlgItemText(IDC_NAME, u"");
}

void CNameEntryDlg::OnLButtonDown(UINT, CPoint) {}
