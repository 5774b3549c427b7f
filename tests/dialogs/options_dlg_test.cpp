// Game Options: the boxes mirror the settings, boxes and pictures switch them with their
// irregular ids, and nothing reaches the file until the settings are saved.
#include "dialogs/options_dlg.h"

#include <array>
#include <vector>

#include "dialog_fixture.h"

namespace {
bool Ticked(int nBoxId) { return ActiveDialog()->SendDlgItemMessage(nBoxId, BM_GETCHECK) == BST_CHECKED; }

struct Options {
  int nAudio, nColor, nSpeed;
  bool operator==(const Options&) const = default;
};

Options Current() { return {theSettings.m_nAudio, theSettings.m_nColor, theSettings.m_nSpeed}; }
Options Boxes() {
  return {Ticked(IDC_AUDIO_CHECK) ? 1 : 0, Ticked(IDC_COLOR_CHECK) ? 1 : 0, Ticked(IDC_SPEED_CHECK) ? 1 : 0};
}

// The box as the player sees it: its pixels as last presented.
std::vector<COLORREF> PresentedControl(const UiScript& ui, int nId) {
  CRect rect;
  ActiveDialog()->GetDlgItem(nId)->GetWindowRect(&rect);
  std::vector<COLORREF> pixels;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) pixels.push_back(ui.PresentedPixel(x, y));
  }
  return pixels;
}

void PrintTo(const Options& o, std::ostream* os) {
  *os << "audio " << o.nAudio << ", color " << o.nColor << ", speed " << o.nSpeed;
}
}  // namespace

class OptionsDlgTest : public DialogTest {
 protected:
  int Run() {
    COptionsDlg dlg;
    return dlg.DoModal();
  }
};

// The boxes and, by their irregular ids, the pictures beside them.
class OptionsSwitchTest : public OptionsDlgTest, public ::testing::WithParamInterface<std::array<int, 3>> {};

TEST_P(OptionsSwitchTest, EachSwitchesItsOwnSettingAndItsBox) {
  const auto [nAudio, nColor, nSpeed] = GetParam();
  const auto expect = [this](Options options, const char* why = "") {
    Check([options, why] {
      EXPECT_EQ(Current(), options) << why;
      EXPECT_EQ(Boxes(), options) << why;
    });
  };
  m_ui.TapItem(nAudio);
  expect({0, 0, 1});
  m_ui.TapItem(nColor);
  expect({0, 1, 1});
  m_ui.TapItem(nSpeed);
  expect({0, 1, 0});
  m_ui.TapItem(nSpeed).TapItem(nColor).TapItem(nAudio);
  expect({1, 0, 1}, "a second tap restores the setting");
  Run();
}

INSTANTIATE_TEST_SUITE_P(BoxesAndPictures, OptionsSwitchTest,
                         ::testing::Values(std::array<int, 3>{IDC_AUDIO_CHECK, IDC_COLOR_CHECK, IDC_SPEED_CHECK},
                                           std::array<int, 3>{IDC_AUDIO_PICTURE, IDC_COLOR_PICTURE,
                                                              IDC_SPEED_PICTURE}));

// A tap on a picture ticks its box on the screen too, not only in the box's state.
TEST_F(OptionsDlgTest, ATapOnAPictureShowsItsBoxChanged) {
  constexpr std::array<std::array<int, 2>, 3> kPictureAndBox{{{IDC_AUDIO_PICTURE, IDC_AUDIO_CHECK},
                                                              {IDC_COLOR_PICTURE, IDC_COLOR_CHECK},
                                                              {IDC_SPEED_PICTURE, IDC_SPEED_CHECK}}};
  std::array<std::array<std::vector<COLORREF>, 3>, kPictureAndBox.size()> shown;
  for (std::size_t i = 0; i < kPictureAndBox.size(); ++i) {
    const int nPicture = kPictureAndBox[i][0];
    const int nBox = kPictureAndBox[i][1];
    auto& box = shown[i];
    Check([this, &box, nBox] { box[0] = PresentedControl(m_ui, nBox); });
    m_ui.TapItem(nPicture);
    Check([this, &box, nBox] { box[1] = PresentedControl(m_ui, nBox); });
    m_ui.TapItem(nPicture);
    Check([this, &box, nBox] { box[2] = PresentedControl(m_ui, nBox); });
  }
  Run();
  for (const auto& box : shown) {
    ASSERT_FALSE(box[0].empty());
    EXPECT_TRUE(box[1] != box[0]) << "the first tap changed the setting but not the box on the screen";
    EXPECT_TRUE(box[2] == box[0]) << "the second tap shows the box as it was";
  }
}

TEST_F(OptionsDlgTest, AValueOtherThanZeroOrOneShowsUntickedAndThePictureGivesZeroThenOne) {
  theSettings.m_nAudio = 2;
  theSettings.m_nColor = 2;
  theSettings.m_nSpeed = 2;
  Check([] { EXPECT_EQ(Boxes(), (Options{0, 0, 0})); });
  m_ui.TapItem(IDC_COLOR_PICTURE);
  Check([] {
    EXPECT_EQ(theSettings.m_nColor, 0);
    EXPECT_FALSE(Ticked(IDC_COLOR_CHECK));
  });
  m_ui.TapItem(IDC_COLOR_PICTURE);
  Check([] {
    EXPECT_EQ(theSettings.m_nColor, 1);
    EXPECT_TRUE(Ticked(IDC_COLOR_CHECK));
  });
  m_ui.TapItem(IDC_SPEED_CHECK);
  Check([] { EXPECT_EQ(theSettings.m_nSpeed, 1) << "the box itself stores 1 at once"; });
  Run();
  EXPECT_EQ(theSettings.m_nAudio, 2) << "untouched";
}

TEST_F(OptionsDlgTest, ClosingEitherWayKeepsTheChangesAndWritesNothing) {
  const std::string before = SettingsFileBytes();
  m_ui.TapItem(IDC_AUDIO_CHECK).TapItem(IDC_COLOR_PICTURE).TapCloseBox();
  EXPECT_EQ(Run(), IDCANCEL);
  EXPECT_EQ(Current(), (Options{0, 1, 1}));

  m_ui.TapItem(IDC_SPEED_PICTURE).Key(VK_RETURN);
  EXPECT_EQ(Run(), IDOK);
  EXPECT_EQ(Current(), (Options{0, 1, 0}));
  EXPECT_EQ(SettingsFileBytes(), before);

  theSettings.Save();
  EXPECT_NE(SettingsFileBytes().find("<AUDIO>0\n<COLOR>1\n<SPEED>0\n"), std::string::npos);
}
