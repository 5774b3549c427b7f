// Hi Scores: ten rows over the irregular placeholder ids, best first, "name » score", as
// the table stands when the dialog opens; taps change nothing. How the rows look is held by
// the screen test's reference image, where an entry goes by the table's own tests.
#include "dialogs/hi_scores_dlg.h"

#include <vector>

#include "dialog_fixture.h"
#include "persistence/hi_score_table.h"

namespace {
const std::vector<int> kRowIds = {1056, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1053, 1054};
}  // namespace

class HiScoresDlgTest : public DialogTest {
 protected:
  // The rows' texts, read while the dialog is up; also checks where each row lies.
  std::vector<CString> ShownRows() {
    std::vector<CString> texts;
    for (int i = 0; i < kHiScoreCount; ++i) {
      const CLabelCtrl* row = m_dlg.Row(i);
      EXPECT_EQ(row->GetDlgCtrlID(), kRowIds[static_cast<std::size_t>(i)]);
      EXPECT_EQ(m_dlg.GetDlgItem(kRowIds[static_cast<std::size_t>(i)]), row);
      texts.push_back(row->GetText());
    }
    return texts;
  }

  void ExpectRows(const std::vector<CString>& expected) {
    Check([this, expected] { EXPECT_EQ(ShownRows(), expected); });
    m_dlg.DoModal();
  }

  CHiScoresDlg m_dlg;
};

TEST_F(HiScoresDlgTest, TapsOnRowsAndBackgroundChangeNothingAndEnterCloses) {
  m_ui.TapItem(IDC_SCORE0).TapItem(1054).Tap(POINT{3, 290});
  Check([this] {
    EXPECT_EQ(ActiveDialog(), &m_dlg);
    EXPECT_EQ(m_dlg.Row(0)->GetText(), u"Avlomo \u00BB 190");
  });
  m_ui.Key(VK_RETURN);
  EXPECT_EQ(m_dlg.DoModal(), IDOK);
}

TEST_F(HiScoresDlgTest, RunningTheSameDialogAgainShowsTheTableOfThatMoment) {
  m_ui.Key(VK_RETURN);
  m_dlg.DoModal();
  InsertHiScore(theSettings, 175, u"Later");
  ExpectRows({u"Avlomo \u00BB 190", u"Bexin \u00BB 180", u"Later \u00BB 175", u"Corvina \u00BB 170",
              u"Dalmo \u00BB 160", u"Evrolde \u00BB 150", u"Fennu \u00BB 140", u"Gubbo \u00BB 130", u"Hesko \u00BB 120",
              u"Ivvorin \u00BB 110"});
}
