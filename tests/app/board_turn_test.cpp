// One turn on the board: holds, the three rolls, taps that must change nothing, and
// "New Game" in the middle of a turn.
#include <memory>

#include "board_fixture.h"

using BoardTurn = BoardTest;

TEST_F(BoardTurn, HeldDiceKeepTheirValuesThroughARollAndAreReleased) {
  Roll({1, 2, 3, 4, 5});
  TapDie(0);
  TapDie(2);
  Roll({6, 6, 6});
  Check([this] {
    EXPECT_EQ(DiceShown(), std::vector<int>({1, 6, 3, 6, 6}));
    for (int i = 0; i < kDiceCount; ++i) EXPECT_FALSE(m_board.Die(i).IsHeld()) << "die " << i;
    EXPECT_EQ(CellValue(CellIndex(Category::Sixes)), 18) << "offers follow the new dice";
    EXPECT_EQ(RollsShown(), u"1");
  });
  Run();
  EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>({u"WAV_2", u"WAV_1", u"WAV_2", u"WAV_3", u"WAV_4", u"WAV_4",
                                                     u"WAV_1", u"WAV_2", u"WAV_3"}));
}

// As the handheld's buttons did: GO sinks while the pen is held on it and rolls only when
// the pen is lifted there; a pen slid off first rolls nothing.
TEST_F(BoardTurn, GoLooksPressedWhileHeldAndRollsWhenLiftedOnIt) {
  static constexpr POINT kOnGo{213, 266};
  static constexpr POINT kOffGo{120, 60};
  auto atRest = std::make_shared<Surface>(1, 1);
  Check([this, atRest] {
    ASSERT_EQ(m_ui.Windows().HitTest(kOnGo), m_board.GetDlgItem(IDC_GO));
    *atRest = m_ui.Screenshot();
  });
  m_ui.PenDown(kOnGo).Wait(kTick);
  Check([this, atRest] {
    EXPECT_EQ(RollsShown(), u"3") << "no roll while the pen is held";
    EXPECT_FALSE(SamePixels(m_ui.Screenshot(), *atRest)) << "GO looks pressed";
  });
  m_ui.PenUp(kOffGo).Wait(kTick);
  Check([this, atRest] {
    EXPECT_EQ(RollsShown(), u"3") << "lifted elsewhere";
    EXPECT_TRUE(m_ui.SoundNames() == std::vector<CString>{u"WAV_2"});
    EXPECT_TRUE(SamePixels(m_ui.Screenshot(), *atRest)) << "GO back at rest";
  });
  QueueFaces({1, 2, 3, 4, 5});
  m_ui.PenDown(kOnGo).PenUp(kOnGo).Wait(kTick);
  Check([this] { EXPECT_EQ(RollsShown(), u"2"); });
  Run();
}

TEST_F(BoardTurn, AfterTheThirdRollGoAndTheDiceOnlyRefuse) {
  Roll({1, 2, 3, 4, 5});
  Roll({2, 2, 2, 2, 2});
  Roll({3, 3, 4, 4, 6});
  Check([this] {
    EXPECT_EQ(RollsShown(), u"0");
    for (int i = 0; i < kDiceCount; ++i) EXPECT_FALSE(m_board.Die(i).IsHoldable());
    m_ui.ClearRecords();
  });
  TapDie(1);
  Roll({});
  Check([this] {
    EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>({u"WAV_6", u"WAV_6"}));
    EXPECT_FALSE(m_board.Die(1).IsHeld());
    EXPECT_EQ(DiceShown(), std::vector<int>({3, 3, 4, 4, 6}));
    EXPECT_EQ(RollsShown(), u"0");
    EXPECT_EQ(CellValue(CellIndex(Category::House)), 0);
    EXPECT_EQ(OfferedCount(), 13) << "the offers of the last roll stay";
  });
  Take(CellIndex(Category::Chance));
  Check([this] {
    EXPECT_EQ(RollsShown(), u"3");
    EXPECT_EQ(CellValue(kTotalIndex), 20);
    for (int i = 0; i < kDiceCount; ++i) EXPECT_TRUE(m_board.Die(i).IsBlank()) << "die " << i;
  });
  Run();
}

TEST_F(BoardTurn, TapsWithNothingToActOnChangeNothingAndAreSilent) {
  TapDie(0);
  m_ui.TapItem(IDC_CELL_FIRST).TapItem(IDC_ROLLS).Tap(POINT{20, 40}).Wait(kTick);
  Check([this] {
    EXPECT_FALSE(m_board.Die(0).IsHeld()) << "the dice are blank before the first roll";
    EXPECT_EQ(OfferedCount(), 0);
    EXPECT_EQ(CellValue(kTotalIndex), -1) << "no commit";
  });
  Roll({1, 1, 2, 2, 3});
  Take(CellIndex(Category::Ones));
  Roll({1, 1, 2, 2, 3});
  Check([this] { m_ui.ClearRecords(); });
  m_ui.TapItem(IDC_CELL_FIRST).TapItem(IDC_CELL_TOTAL).TapItem(IDC_ROLLS).Tap(POINT{20, 40}).Wait(kTick);
  Check([this] {
    EXPECT_TRUE(m_ui.Sounds().empty());
    EXPECT_EQ(CellValue(CellIndex(Category::Ones)), 2) << "a filled cell keeps its score";
    EXPECT_EQ(OfferedCount(), 12);
    EXPECT_EQ(RollsShown(), u"2") << "the turn goes on";
  });
  Run();
}

TEST_F(BoardTurn, NewGameWithOffersShowingCommitsTheFreshBoardOnce) {
  Roll({1, 1, 2, 2, 3});
  Take(CellIndex(Category::Twos));
  Roll({6, 6, 6, 2, 3});
  TapDie(0);
  Check([this] { m_ui.ClearRecords(); });
  m_ui.ChooseMenu(u"New Game");
  Check([this] {
    EXPECT_EQ(m_ui.SoundNames(), std::vector<CString>({u"WAV_2"}));
    EXPECT_EQ(RollsShown(), u"3");
    EXPECT_EQ(OfferedCount(), 0);
    EXPECT_EQ(CellValue(CellIndex(Category::Twos)), -1);
    EXPECT_FALSE(m_board.Die(0).IsHeld());
    EXPECT_TRUE(m_board.Die(0).IsBlank());
  });
  m_ui.Wait(kTick);
  Check([this] {
    // The tick still counts the offers of the discarded roll and so commits once.
    EXPECT_EQ(CellValue(kBonusIndex), 0);
    EXPECT_EQ(CellValue(kTotalIndex), 0);
    for (int c = 0; c < kCategoryCount; ++c) EXPECT_FALSE(m_board.Cell(c).IsFilled());
  });
  Roll({4, 4, 4, 4, 1});
  Take(CellIndex(Category::FourKind));
  Check([this] { EXPECT_EQ(CellValue(kTotalIndex), 17); });
  Run();
}

TEST_F(BoardTurn, GoRightAfterTakingAnOfferRollsInTheNextTurn) {
  Roll({1, 1, 2, 2, 3});
  // Both taps land before the next tick, as taps queued during a roll's pauses do.
  QueueFaces({5, 5, 5, 6, 6});
  m_ui.TapItem(IDC_CELL_FIRST + CellIndex(Category::Ones)).TapItem(IDC_GO).Wait(kTick);
  Check([this] {
    EXPECT_EQ(CellValue(kTotalIndex), 2) << "the turn is committed first";
    EXPECT_EQ(RollsShown(), u"3");
  });
  m_ui.Wait(kTick);
  Check([this] {
    EXPECT_EQ(RollsShown(), u"2");
    EXPECT_EQ(CellValue(CellIndex(Category::House)), 25);
    EXPECT_FALSE(CellOffered(CellIndex(Category::Ones)));
    EXPECT_EQ(OfferedCount(), 12);
  });
  Run();
}

TEST_F(BoardTurn, OneTapIsTheTurnsWholeChoiceEvenWhenMoreTapsArriveBeforeTheTick) {
  // Taps queued during a roll's pauses all land before the next tick.
  const auto tapBoth = [this](int nFirst, int nSecond) {
    m_ui.TapItem(IDC_CELL_FIRST + nFirst).TapItem(IDC_CELL_FIRST + nSecond).Wait(kTick);
  };
  const int nSixes = CellIndex(Category::Sixes);
  Roll({6, 6, 6, 6, 6});
  tapBoth(CellIndex(Category::Tumbla), nSixes);
  Check([this, nSixes] {
    EXPECT_FALSE(m_board.Cell(nSixes).IsFilled());
    EXPECT_EQ(CellValue(nSixes), -1);
    EXPECT_EQ(CellValue(kTotalIndex), 50);
  });
  Roll({6, 6, 6, 6, 6});
  tapBoth(kBonusIndex, nSixes);
  Check([this, nSixes] {
    EXPECT_FALSE(m_board.Cell(nSixes).IsFilled()) << "the extra was the choice";
    EXPECT_EQ(CellValue(kTotalIndex), 150);
  });
  Roll({6, 6, 6, 6, 6});
  tapBoth(nSixes, kBonusIndex);
  Check([this] {
    EXPECT_EQ(CellValue(kBonusIndex), 100) << "the extra lapsed with the category taken";
    EXPECT_EQ(CellValue(kTotalIndex), 180);
  });
  Run();
}
