#include "coach/card_reading.h"

Position ReadPosition(Scorecard card, const TurnScoring& scoring, int rollsMade, const DiceValues& dice) {
  Position position;
  position.rollsMade = rollsMade;
  position.dice = dice;
  position.points = scoring.m_nBonusTotal;
  for (int index = 0; index < kCategoryCount; ++index) {
    const IScoreEntry& entry = *card[static_cast<std::size_t>(index)];
    if (!entry.IsFilled()) continue;
    position.points += entry.GetScore();
    position.card = position.card.Filling(static_cast<Category>(index), entry.GetScore());
  }
  return position;
}
