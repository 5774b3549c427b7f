// Every dialog template of the program opened headless: where its items land in pixels.
#include <gtest/gtest.h>

#include <cstdlib>

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

CRect ClientRectOfItem(const CWnd* item) {
  RECT rect;
  item->GetWindowRect(&rect);
  item->GetParent()->ScreenToClient(&rect);
  return CRect(rect);
}

TEST_F(TemplateScreens, DialogUnitsBecomePixelsEdgeByEdge) {
  EXPECT_EQ(DialogUnitsToPixels(0, 0, 160, 165), CRect(0, 0, 240, 268));
  EXPECT_EQ(DialogUnitsToPixels(130, 16, 23, 22), CRect(195, 26, 230, 62));   // die 1
  EXPECT_EQ(DialogUnitsToPixels(37, 20, 22, 14), CRect(56, 33, 89, 55));      // first cell
  EXPECT_EQ(DialogUnitsToPixels(97, 139, 22, 14), CRect(146, 226, 179, 249));  // rolls counter
  EXPECT_EQ(DialogUnitsToPixels(159, 165, 0, 0).left, 239);                    // 238.5 rounds up
}

TEST_F(TemplateScreens, EveryItemLandsOnItsTemplateRectangleInsideItsDialog) {
  for (const DialogTemplate& t : ProgramDialogTemplates()) {
    CDialog dialog(static_cast<UINT>(t.id));
    m_ui.Check([&] {
      RECT client;
      dialog.GetClientRect(&client);
      EXPECT_EQ(CRect(client), DialogUnitsToPixels(0, 0, t.cx, t.cy)) << "dialog " << t.id;
      const std::vector<CWnd*>& items = dialog.Children();
      ASSERT_EQ(items.size(), t.items.size());
      for (std::size_t i = 0; i < items.size(); ++i) {
        const DialogItemTemplate& item = t.items[i];
        const CRect expected = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy);
        const CRect actual = ClientRectOfItem(items[i]);
        const auto* picture = dynamic_cast<const CStatic*>(items[i]);
        if (picture != nullptr && picture->HasBitmap()) {
          // A picture takes its bitmap's size; the art is drawn to the template's size.
          EXPECT_EQ(actual.TopLeft(), expected.TopLeft()) << "dialog " << t.id << " item " << i;
          EXPECT_LE(std::abs(actual.Width() - expected.Width()), 1) << "dialog " << t.id << " item " << i;
          EXPECT_LE(std::abs(actual.Height() - expected.Height()), 1) << "dialog " << t.id << " item " << i;
        } else {
          EXPECT_EQ(actual, expected) << "dialog " << t.id << " item " << i;
        }
        EXPECT_EQ(items[i]->GetDlgCtrlID(), item.id);
        EXPECT_TRUE(CRect(client).Intersect(actual) == actual) << "dialog " << t.id << " item " << i;
      }
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "dialog " << t.id;
  }
}

// The items' order and rectangles are checked above; what is left is which of them take the pen.
TEST_F(TemplateScreens, TheBoardPicturePassesTapsOnToTheBoardAndTheGoPictureTakesThem) {
  CDialog board(IDD_BOARD);
  m_ui.Check([&] {
    EXPECT_EQ(WindowSystem::Current().HitTest(POINT{5, 26 + 100}), &board);
    EXPECT_EQ(WindowSystem::Current().HitTest(POINT{213, 26 + 240}), board.GetDlgItem(IDC_GO));
  });
  board.DoModal();
}
}  // namespace
