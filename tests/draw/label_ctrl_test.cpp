#include "draw/label_ctrl.h"

#include <memory>

#include "control_host.h"

namespace {
constexpr COLORREF kDiceColumn = RGB(0, 102, 51);
constexpr COLORREF kCounterText = RGB(170, 255, 170);
}  // namespace

class LabelCtrlTest : public ControlTest {
 protected:
  LabelCtrlTest() {
    m_host.onInit = [this] { m_label = std::make_unique<CLabelCtrl>(&m_host, IDC_ROLLS); };
  }
  std::unique_ptr<CLabelCtrl> m_label;
};

TEST_F(LabelCtrlTest, ShowsItsTextOnItsBackgroundAndRepaintsAllOfItOnNewColours) {
  m_ui.Check([this] {
    m_label->SendMessage(WM_PAINT);
    EXPECT_TRUE(ShowsOnly(*m_label, kDiceColumn)) << "a new label has no text";
    m_label->SetText(u"3");
    EXPECT_TRUE(ShowsColor(*m_label, kCounterText));
    m_label->SetColors(RGB(0, 0, 0), RGB(255, 255, 255));
    EXPECT_FALSE(ShowsColor(*m_label, kDiceColumn)) << "none of the old background remains";
    EXPECT_FALSE(ShowsColor(*m_label, kCounterText));
    EXPECT_TRUE(ShowsColor(*m_label, RGB(0, 0, 0))) << "the text stays";
  });
  m_host.DoModal();
}
