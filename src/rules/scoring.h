#pragma once
// The thirteen scoring categories, the offers a roll makes and the commit that settles a
// turn. The board keeps the scorecard as fifteen entries in control-id order (index =
// id - 1026): the thirteen categories, then Bonus, then TOTAL.
#include <array>
#include <span>

#include "rules/score_entry.h"

// Each category's value is its entry's index on the scorecard.
enum class Category : int {
  Ones = 0,
  ThreeKind = 1,
  Twos = 2,
  FourKind = 3,
  Threes = 4,
  House = 5,
  Fours = 6,
  FourRow = 7,
  Fives = 8,
  FiveRow = 9,
  Sixes = 10,
  Tumbla = 11,
  Chance = 12,
};

constexpr int kCategoryCount = 13;
constexpr int kBonusIndex = 13;
constexpr int kTotalIndex = 14;
constexpr int kScorecardSize = 15;
constexpr int kExtraScore = 100;

// The order in which a roll writes its offers, top of the card first.
constexpr std::array<Category, kCategoryCount> kOfferOrder = {
    Category::Ones,    Category::Twos,    Category::Threes,    Category::Fours, Category::Fives,
    Category::Sixes,   Category::Chance,  Category::ThreeKind, Category::House, Category::FourKind,
    Category::FourRow, Category::FiveRow, Category::Tumbla,
};

constexpr int CellIndex(Category category) { return static_cast<int>(category); }

// Five die values, each 1 to 6; a value outside that range shows no face and counts for
// nothing.
using DiceValues = std::array<int, 5>;

// The fifteen entries in index order.
using Scorecard = std::span<IScoreEntry* const, kScorecardSize>;

// What a category would score for these dice; 0 when its condition fails.
int ScoreCategory(Category category, const DiceValues& dice);

// The board's scoring state between rolls and commits. The board derives from it so that
// the fields are its own.
struct TurnScoring {
  // Offers made by the latest evaluation, the extra included; 0 after each commit. The
  // board sees a taken offer as fewer offered cells than this.
  int m_nOffers = 0;
  // The 100-point extras collected in this game.
  int m_nBonusTotal = 0;
  // The latest evaluation offered the extra and the turn is not committed yet.
  bool m_bExtraPending = false;
};

// Every entry back to "-" with no offer and nothing filled, for a new game. The offer
// count is left alone: the board compares it with the cleared card at its next tick.
void ResetScorecard(Scorecard card, TurnScoring& state);

// Offers every open category's score for the dice, and the extra for a repeated five of a
// kind. Afterwards CountOfferedCells(card) equals state.m_nOffers.
void EvaluateRoll(const DiceValues& dice, Scorecard card, TurnScoring& state);

// Withdraws the offers not taken: one tap is the turn's whole choice, so a category still
// on offer goes back to "-" and an extra still on offer lapses. A taken extra waits for
// the commit.
void WithdrawOffers(Scorecard card, TurnScoring& state);

// Withdraws the offers not taken, collects a taken extra, writes Bonus and TOTAL and
// returns the number of filled categories (13 ends the game).
int CommitTurn(Scorecard card, TurnScoring& state);

// The category and Bonus cells that show an offer.
int CountOfferedCells(Scorecard card);
