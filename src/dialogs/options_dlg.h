#pragma once
// Game Options: three check boxes over three pictures, for sound effects, red dice and
// fast dice. Every tap changes theSettings at once, in memory; the file is written at
// the next save of the settings, not by this dialog. Closing either way keeps the changes.
#include "platform/wnd/dialog.h"

class COptionsDlg : public CDialog {
 public:
  explicit COptionsDlg(CWnd* pParent = nullptr);
  ~COptionsDlg() override;

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  // Each box reads the tick it has just given itself; each picture flips its option and
  // shows the result in the boxes, so a picture tap acts like a tap on its box.
  void OnAudioCheck();
  void OnColorCheck();
  void OnSpeedCheck();
  void OnAudioPicture();
  void OnColorPicture();
  void OnSpeedPicture();

 private:
  void RefreshChecks();
  int CheckedValue(int nBoxId);
};
