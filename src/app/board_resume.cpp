// The game in progress as the file keeps it, taken from the board's controls and given back
// to them, so that a resumed board shows exactly what the kept one showed.
#include <algorithm>
#include <span>

#include "app/board_dlg.h"
#include "history/moves_text.h"
#include "persistence/game_in_progress.h"

static_assert(kKeptCells == kScorecardSize && kKeptDice == kDiceCount);

int CBoardDlg::DoModal() {
  const int nResult = CDialog::DoModal();
  // The panel goes with the board's window, while the run it belongs to still goes on.
  m_pCoachPanel.reset();
  m_pStatisticsPanel.reset();
  if (!m_bExitChosen && IsGameWorthKeeping()) {
    KeepGameInProgress(KeptGame());
  } else {
    ForgetGameInProgress();
  }
  return nResult;
}

bool CBoardDlg::IsGameWorthKeeping() const {
  const auto categories = std::span(m_pCells).first<kCategoryCount>();
  return m_bGameStarted &&
         (m_nRollsLeft < kRollsPerTurn ||
          std::any_of(categories.begin(), categories.end(), [](const CScoreCell* pCell) { return pCell->IsFilled(); }));
}

GameInProgress CBoardDlg::KeptGame() const {
  GameInProgress game;
  game.rollsLeft = m_nRollsLeft;
  game.offers = m_nOffers;
  game.extras = m_nBonusTotal;
  game.extraPending = m_bExtraPending;
  game.moves = MovesText(m_played);
  for (std::size_t i = 0; i < game.dice.size(); ++i) {
    const CDieCtrl& die = *m_pDice[i];
    game.dice[i] = KeptDie{die.GetValue(), die.IsHeld(), die.IsHoldable(), die.IsBlank()};
  }
  for (std::size_t i = 0; i < game.cells.size(); ++i) {
    const CScoreCell& cell = *m_pCells[i];
    game.cells[i] = KeptCell{cell.GetValue(), cell.IsOffered(), cell.IsFilled()};
  }
  return game;
}

// The dice are as the board made them: not blank, so each takes its value before it is
// blanked.
void CBoardDlg::ResumeGame(const GameInProgress& game) {
  m_nRollsLeft = game.rollsLeft;
  ShowRollsLeft();
  m_nOffers = game.offers;
  m_nBonusTotal = game.extras;
  m_bExtraPending = game.extraPending;
  for (std::size_t i = 0; i < game.dice.size(); ++i) {
    const KeptDie& kept = game.dice[i];
    CDieCtrl& die = *m_pDice[i];
    die.SetHeld(kept.held);
    die.SetHoldable(kept.holdable);
    die.SetValue(kept.value);
    if (kept.blank) die.Blank();
  }
  for (std::size_t i = 0; i < game.cells.size(); ++i) {
    const KeptCell& kept = game.cells[i];
    CScoreCell& cell = *m_pCells[i];
    cell.SetFilled(kept.filled);
    cell.SetValueNoOffer(kept.value);
    if (kept.offered) cell.ShowOffer();
  }
  m_bGameStarted = true;
  // Moves that do not play back leave the game to go on unrecorded, as its end will say.
  if (const std::optional<ReplayedMoves> moves = ReplayMoves(game.moves, true)) m_played = moves->choices;
  if (m_nRollsLeft < kRollsPerTurn) RememberRoll();
}
