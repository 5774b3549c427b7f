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

// What taking an offer fills and scores the whole games show; what they cannot show is a
// cell left drawn as it was.
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
