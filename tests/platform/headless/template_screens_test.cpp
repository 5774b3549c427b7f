// Every dialog template of the program opened headless, driven by a script and written to
// a PNG beside the test.
#include <gtest/gtest.h>

#include "platform/headless/headless_backend.h"
#include "platform/wnd/dialog.h"
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
  HeadlessBackend m_backend;
};

TEST_F(TemplateScreens, EveryTemplateOpensAndShows) {
  for (int id : {IDD_BOARD, IDD_OPTIONS, IDD_HISCORES, IDD_NAME_ENTRY, IDD_ABOUT}) {
    m_backend.Check([&] { EXPECT_TRUE(m_backend.SaveScreenshot("template_" + std::to_string(id) + ".png")); });
    CDialog dialog(static_cast<UINT>(id));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
}
}  // namespace
