// The board as the player sees it, compared pixel for pixel with reference images.
#include "board_fixture.h"
#include "platform/headless/golden.h"

using BoardPixels = BoardTest;

TEST_F(BoardPixels, StartUpShowsBlankDiceAndEmptyCells) {
  Check([this] {
    const GoldenComparison result = CompareWithGolden(m_ui.Screenshot(), "board_start");
    EXPECT_TRUE(result.matches) << result.message;
  });
  Run();
}

// After a committed Ones, a second roll in red dice with the first die held: the hand, the
// red faces, the offer panels and the plain committed cell.
TEST_F(BoardPixels, ARolledBoardShowsOffersHoldsAndTheDiceColour) {
  Roll({1, 1, 4, 5, 6});
  Take(CellIndex(Category::Ones));
  Check([] { theSettings.m_nColor = 1; });
  Roll({2, 3, 4, 5, 6});
  TapDie(0);
  Check([this] {
    const GoldenComparison result = CompareWithGolden(m_ui.Screenshot(), "board_rolled");
    EXPECT_TRUE(result.matches) << result.message;
  });
  Run();
}
