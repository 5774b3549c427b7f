#include "dialogs/options_dlg.h"

#include "persistence/game_settings.h"
#include "resources/resource_ids.h"

namespace {
// Only 0 flips to 1: any other value, a 2 from a hand-edited file too, flips to 0.
int Flipped(int nValue) { return nValue == 0 ? 1 : 0; }
}  // namespace

COptionsDlg::COptionsDlg(CWnd* pParent) : CDialog(IDD_OPTIONS, pParent) {
  MapCommand(IDC_AUDIO_CHECK, &COptionsDlg::OnAudioCheck);
  MapCommand(IDC_COLOR_CHECK, &COptionsDlg::OnColorCheck);
  MapCommand(IDC_SPEED_CHECK, &COptionsDlg::OnSpeedCheck);
  MapCommand(IDC_AUDIO_PICTURE, &COptionsDlg::OnAudioPicture);
  MapCommand(IDC_COLOR_PICTURE, &COptionsDlg::OnColorPicture);
  MapCommand(IDC_SPEED_PICTURE, &COptionsDlg::OnSpeedPicture);
}

COptionsDlg::~COptionsDlg() = default;

BOOL COptionsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  RefreshChecks();
  return TRUE;
}

void COptionsDlg::OnOK() { CDialog::OnOK(); }

void COptionsDlg::RefreshChecks() {
  const auto tick = [](int nValue) { return static_cast<WPARAM>(nValue == 1 ? BST_CHECKED : BST_UNCHECKED); };
  SendDlgItemMessage(IDC_AUDIO_CHECK, BM_SETCHECK, tick(theSettings.m_nAudio));
  SendDlgItemMessage(IDC_COLOR_CHECK, BM_SETCHECK, tick(theSettings.m_nColor));
  SendDlgItemMessage(IDC_SPEED_CHECK, BM_SETCHECK, tick(theSettings.m_nSpeed));
}

int COptionsDlg::CheckedValue(int nBoxId) { return SendDlgItemMessage(nBoxId, BM_GETCHECK) == BST_CHECKED ? 1 : 0; }

void COptionsDlg::OnAudioCheck() { theSettings.m_nAudio = CheckedValue(IDC_AUDIO_CHECK); }
void COptionsDlg::OnColorCheck() { theSettings.m_nColor = CheckedValue(IDC_COLOR_CHECK); }
void COptionsDlg::OnSpeedCheck() { theSettings.m_nSpeed = CheckedValue(IDC_SPEED_CHECK); }

void COptionsDlg::OnAudioPicture() {
  theSettings.m_nAudio = Flipped(theSettings.m_nAudio);
  RefreshChecks();
}

void COptionsDlg::OnColorPicture() {
  theSettings.m_nColor = Flipped(theSettings.m_nColor);
  RefreshChecks();
}

void COptionsDlg::OnSpeedPicture() {
  theSettings.m_nSpeed = Flipped(theSettings.m_nSpeed);
  RefreshChecks();
}
