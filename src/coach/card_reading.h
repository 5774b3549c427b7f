#pragma once
// The coach's view of a scorecard the rules keep, at a moment of a turn.
#include "coach/advice.h"

Position ReadPosition(Scorecard card, const TurnScoring& scoring, int rollsMade, const DiceValues& dice);
