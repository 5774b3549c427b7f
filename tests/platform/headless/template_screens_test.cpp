// The board's template opened headless: which of its items take the pen.
#include <gtest/gtest.h>

#include "support/ui_script.h"
#include "platform/wnd/controls.h"
#include "platform/wnd/dialog.h"
#include "platform/wnd/window_system.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"
#include "resources/window_resources.h"

namespace {
class TemplateScreens : public ::testing::Test {
 protected:
  TemplateScreens() {
    InstallProgramResources();
    InstallWindowResources();
    m_app.SetDialogBkColor(RGB(0, 153, 51), RGB(255, 255, 255));
  }

  CWinApp m_app;
  UiScript m_ui;
};

// Where the items land is held by the screen test's reference images; what is left is which
// of them take the pen.
TEST_F(TemplateScreens, TheBoardPicturePassesTapsOnToTheBoardAndTheGoPictureTakesThem) {
  CDialog board(IDD_BOARD);
  m_ui.Check([&] {
    EXPECT_EQ(WindowSystem::Current().HitTest(POINT{5, 26 + 100}), &board);
    EXPECT_EQ(WindowSystem::Current().HitTest(POINT{213, 26 + 240}), board.GetDlgItem(IDC_GO));
  });
  board.DoModal();
}
}  // namespace
