#pragma once
// Name entry for a new high score. It raises the soft input panel. A character the
// settings file cannot keep (a comma, an angle bracket, a control or special character)
// is not typed: the refusal cue sounds instead. It accepts the name in the box (Enter, or
// a tap on the enter picture) only when it has at most 20 characters; otherwise it says
// why, empties the box and stays open. An accepted name goes into the caller's string;
// the close box leaves that string as it was.
#include "platform/wnd/dialog.h"

constexpr std::size_t kMaxNameLength = 20;  // UTF-16 code units

class CNameEntryDlg : public CDialog {
 public:
  // The caller's string receives the accepted name; the caller passes it empty.
  explicit CNameEntryDlg(CString* pName, CWnd* pParent = nullptr);
  ~CNameEntryDlg() override;

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void OnEnterPicture();
  void OnLButtonDown(UINT nFlags, CPoint point) override;

 private:
  void Refuse(const CString& strMessage);

  CString* m_pName;
};
