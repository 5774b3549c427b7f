// About: the version line, and taps that leave it open.
#include "dialogs/about_dlg.h"

#include "dialog_fixture.h"

class AboutDlgTest : public DialogTest {};

TEST_F(AboutDlgTest, ShowsTheVersionLineEveryTimeItOpens) {
  for (int run = 0; run < 2; ++run) {
    Check([] { EXPECT_EQ(ItemText(IDT_TEXT), u"TUMBLA V1.01 16-Nov-03"); });
    m_ui.Key(VK_RETURN);
    CAboutDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
  }
}

TEST_F(AboutDlgTest, TapsOnTheArtTheTextAndTheBackgroundDoNotCloseIt) {
  CAboutDlg dlg;
  m_ui.TapItem(IDT_TEXT).Tap(POINT{120, 80}).Tap(POINT{4, 280});
  Check([&dlg] { EXPECT_EQ(ActiveDialog(), &dlg); });
  m_ui.TapCloseBox();
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(m_ui.MessageBoxes().empty());
}
