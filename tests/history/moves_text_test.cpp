#include "history/moves_text.h"

#include <gtest/gtest.h>

#include "scripted_game.h"

namespace {

using enum Category;

TEST(ReplayMoves, PlaysAWholeGameThroughTheRulesAndWritesItBackTheSame) {
  const std::optional<ReplayedMoves> game = ReplayMoves(kScriptedMoves, false);
  ASSERT_TRUE(game);
  EXPECT_TRUE(game->end.card.IsFull());
  EXPECT_EQ(game->extras, 100);
  EXPECT_EQ(game->scores[CellIndex(Tumbla)], 50);
  EXPECT_EQ(game->scores[CellIndex(FiveRow)], 40);
  EXPECT_EQ(game->scores[CellIndex(Fours)], 12);
  EXPECT_EQ(game->end.points, 370);
  ASSERT_EQ(game->choices.size(), 20u);
  // The hold of nothing between two rolls, and the moment of the take after them.
  const PlayedChoice& emptyHold = game->choices[15];
  EXPECT_EQ(emptyHold.chosen.kind, ChoiceKind::Hold);
  EXPECT_EQ(emptyHold.chosen.held, FaceCounts{});
  EXPECT_EQ(emptyHold.position.rollsMade, 2);
  const PlayedChoice& fours = game->choices[16];
  EXPECT_EQ(fours.position.rollsMade, 3);
  EXPECT_EQ(fours.position.dice, (DiceValues{4, 4, 4, 1, 2}));
  EXPECT_EQ(MovesText(game->choices), kScriptedMoves);
}

TEST(ReplayMoves, AGameInProgressMayStopAfterAHoldOnlyWhenAllowed) {
  const std::string_view open = "11111 t:TUMBLA;22345 h2345";
  const std::optional<ReplayedMoves> game = ReplayMoves(open, true);
  ASSERT_TRUE(game);
  EXPECT_EQ(game->choices.size(), 2u);
  EXPECT_EQ(MovesText(game->choices), open);
  EXPECT_FALSE(ReplayMoves(open, false));
  EXPECT_TRUE(ReplayMoves("", true));
  // Only the last turn may be open.
  EXPECT_FALSE(ReplayMoves("22345 h2345;11111 t:TUMBLA", true));
}

TEST(ReplayMoves, RefusesWhatTheBoardCouldNotHavePlayed) {
  for (const std::string_view bad : {
           "11111 t:Bonus",                         // the extra before TUMBLA holds 50
           "11111 t:TUMBLA;11112 t:Bonus",          // the extra without five of a kind
           "11111 t:Ones;11111 t:Ones",             // a category twice
           "12345 h6 12346 t:Ones",                 // a held die the roll did not show
           "12345 h21 12345 t:Ones",                // held values not ascending
           "11111 h 11111 h 11111 h 11111 t:Ones",  // a fourth roll
           "11111 h 11111 h 11111 h",               // a hold after the third roll
           "11111 t:Aces",                          // no such label
           "1111 t:Ones",                           // four dice
           "11117 t:Ones",                          // a seventh face
           "11111 t:Ones;",                         // an empty last turn
           "11111 t:Ones;;22222 t:Twos",            // an empty turn
           "11111  t:Ones",                         // an empty step
           "11111 t:Ones ",                         // a step after the take
           "11111 t:Ones 22222 t:Twos",             // two takes in one turn
       }) {
    EXPECT_FALSE(ReplayMoves(bad, true)) << bad;
  }
}

}  // namespace
