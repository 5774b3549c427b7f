// A roll on the virtual clock: at the slower speed the dice go blank one after another,
// the cues fall between the pauses and the dice come back one after another, 1250 ms in
// all; at the fast speed everything happens at once.
#include "board_fixture.h"
#include "support/ui_script.h"

namespace {
constexpr COLORREF kDiceColumn = RGB(0, 102, 51);

bool LooksBlank(UiScript& backend, const CDieCtrl& die) {
  RECT rect;
  die.GetWindowRect(&rect);
  const Surface screen = backend.Screenshot();
  return screen.Pixel((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2) == kDiceColumn;
}
}  // namespace

class BoardTiming : public BoardTest {
 protected:
  // Whether each die looks blank on the screen, in id order.
  std::vector<bool> BlankOnScreen() {
    std::vector<bool> blank;
    blank.reserve(kDiceCount);
    for (int i = 0; i < kDiceCount; ++i) blank.push_back(LooksBlank(m_ui, m_board.Die(i)));
    return blank;
  }
};

TEST_F(BoardTiming, ASlowerRollTakes1250MsWithItsCuesBetweenThePauses) {
  // A fast first roll at the tick of 50 ms shows the dice; the speed is read at the next roll.
  Roll({1, 2, 3, 4, 5});
  Check([this] {
    theSettings.m_nSpeed = 0;
    m_ui.ClearRecords();
  });
  // GO at 60 ms: the roll starts at the tick of 100 ms. Dice go blank at 100, 170, 240,
  // 310 and 380 ms; the cues come at 100, 700 and 1200 ms; the dice show again at 1200,
  // 1230, 1260, 1290 and 1320 ms; the roll ends at 1350 ms.
  QueueFaces({6, 6, 6, 6, 6});
  m_ui.TapItem(IDC_GO);
  m_ui.At(200).Check([this] { EXPECT_EQ(BlankOnScreen(), std::vector<bool>({true, true, false, false, false})); });
  m_ui.At(1100).Check([this] { EXPECT_EQ(BlankOnScreen(), std::vector<bool>({true, true, true, true, true})); });
  m_ui.At(1240).Check([this] {
    EXPECT_EQ(BlankOnScreen(), std::vector<bool>({false, false, true, true, true}));
    EXPECT_EQ(CellValue(CellIndex(Category::Sixes)), 0) << "the offers wait for the last die";
  });
  Check([this] {
    EXPECT_EQ(m_ui.NowMs(), 1350u);
    EXPECT_EQ(CellValue(CellIndex(Category::Sixes)), 30);
  });
  Run();
  EXPECT_EQ(TimelineOf(m_ui), (SoundTimeline{{100, u"WAV_1"}, {700, u"WAV_2"}, {1200, u"WAV_3"}}));
}

TEST_F(BoardTiming, AFastRollMakesNoPausesAndSilenceChangesNothingElse) {
  theSettings.m_nAudio = 0;
  Roll({1, 2, 3, 4, 5});
  Check([this] {
    EXPECT_EQ(m_ui.NowMs(), kTick) << "the roll took no time";
    EXPECT_EQ(RollsShown(), u"2");
    EXPECT_EQ(OfferedCount(), 13);
    theSettings.m_nAudio = 1;
  });
  Roll({6, 6, 6, 6, 6});
  Run();
  const std::vector<SoundRecord>& sounds = m_ui.Sounds();
  ASSERT_EQ(sounds.size(), 3u) << "the Audio option is read at every cue";
  EXPECT_EQ(sounds[0].timeMs, sounds[2].timeMs);
}
