// About: taps that leave it open.
#include "dialogs/about_dlg.h"

#include "dialog_fixture.h"

class AboutDlgTest : public DialogTest {};

TEST_F(AboutDlgTest, TapsOnTheArtTheTextAndTheBackgroundDoNotCloseIt) {
  CAboutDlg dlg;
  m_ui.TapItem(IDT_TEXT).Tap(POINT{120, 80}).Tap(POINT{4, 280});
  Check([&dlg] { EXPECT_EQ(ActiveDialog(), &dlg); });
  m_ui.TapCloseBox();
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_TRUE(m_ui.MessageBoxes().empty());
}
