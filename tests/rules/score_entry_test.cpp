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

TEST(ScoreEntry, TakingACategoryOfferFillsItAndKeepsTheValue) {
  CScoreEntry entry(true);
  entry.SetValue(25);
  entry.ShowOffer();
  EXPECT_TRUE(entry.Take());
  EXPECT_TRUE(entry.IsFilled());
  EXPECT_FALSE(entry.IsOffered());
  EXPECT_EQ(entry.GetScore(), 25);
}

TEST(ScoreEntry, TakingTheBonusOfferLeavesItOpen) {
  CScoreEntry bonus(false);
  bonus.SetValue(100);
  bonus.ShowOffer();
  EXPECT_TRUE(bonus.Take());
  EXPECT_FALSE(bonus.IsFilled());
  EXPECT_FALSE(bonus.IsOffered());
}

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
