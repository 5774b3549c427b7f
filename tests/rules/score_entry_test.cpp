#include "rules/score_entry.h"

#include <gtest/gtest.h>

namespace {

// Counts the redraws a drawn cell would make.
class CountingEntry : public CScorecardEntry {
 public:
  using CScorecardEntry::CScorecardEntry;
  int changes = 0;

 protected:
  void OnChanged() override { ++changes; }
};

// Bonus is never filled, though nothing in the game reads that; what taking a category's
// offer fills and scores the whole games show.
TEST(ScoreEntry, TakingTheBonusOfferLeavesItOpen) {
  CScoreEntry bonus(false);
  bonus.SetValue(100);
  bonus.ShowOffer();
  EXPECT_TRUE(bonus.Take());
  EXPECT_FALSE(bonus.IsFilled());
  EXPECT_FALSE(bonus.IsOffered());
}

// A cell left drawn as it was no screen of the tests shows.
TEST(ScoreEntry, EveryVisibleChangeRedrawsOnceAndFillingAloneDoesNot) {
  CountingEntry entry(true);
  entry.SetValue(3);
  entry.ShowOffer();
  entry.SetValueNoOffer(-1);
  entry.HideOffer();
  EXPECT_EQ(entry.changes, 4);
  entry.SetFilled(true);
  EXPECT_EQ(entry.changes, 4);
  entry.ShowOffer();
  entry.Take();
  EXPECT_EQ(entry.changes, 6);
}

}  // namespace
