#include "draw/die_ctrl.h"

#include <memory>

#include "control_host.h"

namespace {
constexpr COLORREF kDiceColumn = RGB(0, 102, 51);

// The window shows the dice column's green with the icons laid over it at (1, 1).
bool ShowsIcons(const CWnd& die, std::initializer_list<UINT> iconIds) {
  RECT client;
  die.GetClientRect(&client);
  const Surface& surface = die.GetSurface();
  for (int y = client.top; y < client.bottom; ++y) {
    for (int x = client.left; x < client.right; ++x) {
      COLORREF expected = kDiceColumn;
      for (UINT id : iconIds) expected = SeenThroughIcon(*LoadIconW(id), x - 1, y - 1, expected);
      if (surface.Pixel(x, y) != expected) return false;
    }
  }
  return true;
}

UINT WhiteFace(int value) { return static_cast<UINT>(IDI_WHITE_FACE_BASE + value); }
UINT RedFace(int value) { return static_cast<UINT>(IDI_RED_FACE_BASE + value); }
}  // namespace

class DieCtrlTest : public ControlTest {
 protected:
  DieCtrlTest() {
    m_host.onInit = [this] { m_die = std::make_unique<CDieCtrl>(&m_host, IDC_DIE_FIRST); };
  }
  void Run() { m_host.DoModal(); }

  std::unique_ptr<CDieCtrl> m_die;
};

// The first number is the face the die starts with.
TEST_F(DieCtrlTest, StartsWithARandomFaceAndReducesRandomNumbersAsUnsignedNumbers) {
  QueueRandom({4, 0xFFFFFFFFu, 0x80000000u, 11});
  m_ui.Check([this] {
    EXPECT_EQ(m_die->GetValue(), 5);  // 4 % 6 + 1
    EXPECT_FALSE(m_die->IsHeld());
    EXPECT_TRUE(m_die->IsHoldable());
    EXPECT_TRUE(ShowsIcons(*m_die, {WhiteFace(5)}));
    EXPECT_EQ(m_die->Roll(), 4);  // 4294967295 % 6 = 3
    EXPECT_EQ(m_die->Roll(), 3);  // 2147483648 % 6 = 2
    EXPECT_EQ(m_die->Roll(), 6);
  });
  Run();
}

TEST_F(DieCtrlTest, HoldingBlankingAndRollingFollowTheHold) {
  QueueRandom({2, 5});
  m_ui.TapItem(IDC_DIE_FIRST)
      .Check([this] {
        EXPECT_TRUE(m_die->IsHeld());
        EXPECT_TRUE(ShowsIcons(*m_die, {WhiteFace(3), IDI_HAND}));
        m_die->Blank();
        EXPECT_FALSE(m_die->IsBlank()) << "a held die keeps its face";
        EXPECT_EQ(m_die->Roll(), 3) << "a held die keeps its value";
        EXPECT_FALSE(m_die->IsHeld());
        EXPECT_TRUE(ShowsIcons(*m_die, {WhiteFace(3)}));
        m_die->Blank();
        EXPECT_TRUE(ShowsOnly(*m_die, kDiceColumn));
      })
      .TapItem(IDC_DIE_FIRST)
      .Check([this] {
        EXPECT_FALSE(m_die->IsHeld()) << "a blank die ignores taps";
        m_die->SetHeld(TRUE);
        m_die->Blank();
        EXPECT_TRUE(m_die->IsBlank()) << "the die was blank already";
        EXPECT_TRUE(ShowsOnly(*m_die, kDiceColumn)) << "a blank die shows no hand, held or not";
        EXPECT_EQ(m_die->Roll(), 3) << "the roll only releases the hold";
        EXPECT_EQ(m_die->Roll(), 6);
        EXPECT_TRUE(ShowsIcons(*m_die, {WhiteFace(6)}));
      });
  Run();
  EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>({u"WAV_4"}));
}

// The Audio option changes only the sound. Taps that toggle, and those refused once the
// dice are not holdable, the board's tests make.
TEST_F(DieCtrlTest, ASilentTapStillHolds) {
  theSettings.m_nAudio = 2;
  m_ui.TapItem(IDC_DIE_FIRST).Check([this] { EXPECT_TRUE(m_die->IsHeld()); });
  Run();
  EXPECT_TRUE(m_ui.SoundNames().empty());
}

TEST_F(DieCtrlTest, HandShowsOnlyWhileHoldableAndColourIsReadAtEachRedraw) {
  QueueRandom({1});
  m_ui.Check([this] {
    m_die->SetHoldable(FALSE);
    m_die->SetHeld(TRUE);
    m_die->SetValue(2);
    EXPECT_TRUE(ShowsIcons(*m_die, {WhiteFace(2)}));
    m_die->SetHoldable(TRUE);
    theSettings.m_nColor = 1;
    EXPECT_TRUE(ShowsIcons(*m_die, {WhiteFace(2)})) << "nothing redraws until the die changes";
    m_die->SetValue(6);
    EXPECT_TRUE(ShowsIcons(*m_die, {RedFace(6), IDI_HAND}));
    m_die->SetValue(7);
    EXPECT_TRUE(ShowsIcons(*m_die, {IDI_HAND})) << "a value out of range has no face";
  });
  Run();
}
