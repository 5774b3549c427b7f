#pragma once
// Hi Scores: the ten entries of the table, best first, one centred white row each, as
// "name » score". The table is read once, when the dialog opens. Taps do nothing; Enter
// or the close box end it.
#include <array>

#include "draw/label_ctrl.h"
#include "persistence/game_settings.h"
#include "platform/wnd/dialog.h"

class CHiScoresDlg : public CDialog {
 public:
  explicit CHiScoresDlg(CWnd* pParent = nullptr);
  ~CHiScoresDlg() override;

  BOOL OnInitDialog() override;

  // Row 0 is the best entry; null before the dialog has opened.
  const CLabelCtrl* Row(int nIndex) const { return m_pRows[static_cast<std::size_t>(nIndex)]; }

 protected:
  void OnLButtonDown(UINT nFlags, CPoint point) override;

 private:
  void DeleteRows();

  std::array<CLabelCtrl*, kHiScoreCount> m_pRows{};
};

// The text of one row: the name, " » ", the score.
CString HiScoreRowText(const CString& strName, int nScore);
