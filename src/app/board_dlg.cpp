#include "app/board_dlg.h"

#include "app/board_keys.h"
#include "coach/card_reading.h"
#include "dialogs/about_dlg.h"
#include "dialogs/hi_scores_dlg.h"
#include "dialogs/name_entry_dlg.h"
#include "dialogs/options_dlg.h"
#include "draw/sound_cue.h"
#include "persistence/data_file.h"
#include "persistence/game_in_progress.h"
#include "persistence/game_settings.h"
#include "persistence/hi_score_table.h"
#include "persistence/text_util.h"
#include "platform/wnd/shell.h"
#include "resources/resource_ids.h"

namespace {
// The roll's pauses at the slower dice speed: 5 x 70 + 250 + 500 + 5 x 30 = 1250 ms.
constexpr DWORD kBlankPauseMs = 70;
constexpr DWORD kFirstPauseMs = 250;
constexpr DWORD kSecondPauseMs = 500;
constexpr DWORD kRevealPauseMs = 30;

// Read at every pause, so a changed speed applies from the next roll.
void RollPause(DWORD milliseconds) {
  if (theSettings.m_nSpeed != 1) Sleep(milliseconds);
}

bool AskYesNo(const CString& text, const CString& caption, UINT nDefaultButton = 0) {
  return MessageBoxW(nullptr, text, caption, MB_YESNO | MB_ICONQUESTION | nDefaultButton) == IDYES;
}
}  // namespace

CBoardDlg::CBoardDlg() : CDialog(IDD_BOARD) {
  MapCommand(IDC_GO, &CBoardDlg::OnGo);
  for (int i = 0; i <= kBonusIndex; ++i) MapCommand(static_cast<UINT>(IDC_CELL_FIRST + i), &CBoardDlg::OnOfferTaken);
  MapCommand(ID_NEW_GAME, &CBoardDlg::OnNewGame);
  MapCommand(ID_EXIT, &CBoardDlg::OnExit);
  MapCommand(ID_GAME_OPTIONS, &CBoardDlg::OnGameOptions);
  MapCommand(ID_SHOW_HISCORES, &CBoardDlg::OnShowHiScores);
  MapCommand(ID_ABOUT, &CBoardDlg::OnAbout);
  MapCommand(ID_RESET_HISCORES, &CBoardDlg::OnResetHiScores);
  MapCommand(ID_INSTRUCTIONS, &CBoardDlg::OnInstructions);
  MapCommand(ID_COACH, &CBoardDlg::OnCoach);
  MapCommand(ID_STATISTICS, &CBoardDlg::OnStatistics);
  MapCommand(ID_RESET_STATISTICS, &CBoardDlg::OnResetStatistics);
  MapCommand(IDC_CAPTION, &CBoardDlg::OnCoach);
}

CBoardDlg::~CBoardDlg() {
  for (CDieCtrl* pDie : m_pDice) delete pDie;
  for (CScoreCell* pCell : m_pCells) delete pCell;
  delete m_pRollsCounter;
}

BOOL CBoardDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SHDoneButton(m_hWnd, SHDB_HIDE);
  CenterWindow();
  for (int i = 0; i < kDiceCount; ++i) {
    m_pDice[static_cast<std::size_t>(i)] = new CDieCtrl(this, static_cast<UINT>(IDC_DIE_FIRST + i));
  }
  for (int i = 0; i < kScorecardSize; ++i) {
    const UINT nID = static_cast<UINT>(IDC_CELL_FIRST + i);
    auto* pCell = new CScoreCell(this, nID, nID != IDC_CELL_BONUS);
    m_pCells[static_cast<std::size_t>(i)] = pCell;
    m_entries[static_cast<std::size_t>(i)] = pCell;
  }
  m_pRollsCounter = new CLabelCtrl(this, IDC_ROLLS);
  m_pMenuBar = GetCommandBar();
  m_pMenuBar->InsertMenuBar(IDR_MENU);
  if (const std::optional<GameInProgress> game = LoadGameInProgress()) {
    ResumeGame(*game);
  } else {
    NewGame();
  }
  LoadCoach();
  SetTimer(ID_BOARD_TIMER, kBoardTimerPeriodMs, nullptr);
  return TRUE;
}

void CBoardDlg::OnOK() {}

void CBoardDlg::OnKeyDown(UINT nChar, UINT, UINT) { HandleBoardKey(*this, nChar); }

// ---- the game loop ------------------------------------------------------------------------

void CBoardDlg::NewGame() {
  PlayCue(u"WAV_2");
  NewTurn();
  ResetScorecard(Card(), *this);
  m_bGameStarted = true;
  m_played.clear();
}

void CBoardDlg::NewTurn() {
  m_lastRoll.reset();
  m_nRollsLeft = kRollsPerTurn;
  ShowRollsLeft();
  for (CDieCtrl* pDie : m_pDice) {
    pDie->SetHeld(FALSE);
    pDie->Blank();
    pDie->SetHoldable(TRUE);
  }
}

void CBoardDlg::OnGo() { m_bRollRequested = true; }

void CBoardDlg::OnOfferTaken() { ::WithdrawOffers(Card(), *this); }

void CBoardDlg::OnTimer(UINT_PTR nIDEvent) {
  KillTimer(ID_BOARD_TIMER);
  // A taken offer is settled before a roll asked for since: rolling first would make new
  // offers, hide the taken one from the count and let the turn fill a second category.
  // The roll then comes at the next tick, as the first of the new turn.
  if (CountOfferedCells(Card()) < m_nOffers) {
    KeepTakeChoice();
    if (CommitTurn() < kCategoryCount) {
      NewTurn();
    } else {
      EndGame();
    }
  } else if (m_bRollRequested) {
    RollDice();
    m_bRollRequested = false;
  }
  StartTableForHistory();
  SolveCoachSlice();
  UpdateCoach();
  SetTimer(ID_BOARD_TIMER, kBoardTimerPeriodMs, nullptr);
  CDialog::OnTimer(nIDEvent);
}

void CBoardDlg::RollDice() {
  if (!m_bGameStarted || m_nRollsLeft <= 0) {
    PlayCue(u"WAV_6");
    return;
  }
  KeepHoldChoice();
  --m_nRollsLeft;
  ShowRollsLeft();
  PlayCue(u"WAV_1");
  for (CDieCtrl* pDie : m_pDice) {
    pDie->Blank();
    RollPause(kBlankPauseMs);
  }
  RollPause(kFirstPauseMs);
  PlayCue(u"WAV_2");
  RollPause(kSecondPauseMs);
  PlayCue(u"WAV_3");
  for (CDieCtrl* pDie : m_pDice) {
    pDie->Roll();
    RollPause(kRevealPauseMs);
  }
  if (m_nRollsLeft < 1) {
    for (CDieCtrl* pDie : m_pDice) pDie->SetHoldable(FALSE);
  }
  EvaluateRoll();
}

void CBoardDlg::EvaluateRoll() {
  ::EvaluateRoll(DiceShown(), Card(), *this);
  RememberRoll();
}

DiceValues CBoardDlg::DiceShown() const {
  DiceValues dice{};
  for (std::size_t i = 0; i < dice.size(); ++i) dice[i] = m_pDice[i]->GetValue();
  return dice;
}

void CBoardDlg::RememberRoll() { m_lastRoll = ReadPosition(Card(), *this, kRollsPerTurn - m_nRollsLeft, DiceShown()); }

void CBoardDlg::KeepHoldChoice() {
  if (!m_lastRoll) return;
  Choice hold{ChoiceKind::Hold};
  for (const CDieCtrl* pDie : m_pDice) {
    if (pDie->IsHeld()) ++hold.held[static_cast<std::size_t>(pDie->GetValue() - 1)];
  }
  m_played.push_back({*m_lastRoll, hold});
}

void CBoardDlg::KeepTakeChoice() {
  // A commit on a card New Game has just cleared took nothing.
  if (!m_lastRoll) return;
  for (int index = 0; index < kCategoryCount; ++index) {
    const auto category = static_cast<Category>(index);
    if (Card()[static_cast<std::size_t>(index)]->IsFilled() && !m_lastRoll->card.IsFilled(category)) {
      m_played.push_back({*m_lastRoll, Choice{ChoiceKind::Take, {}, category}});
      return;
    }
  }
  if (m_bExtraPending && !Card()[kBonusIndex]->IsOffered())
    m_played.push_back({*m_lastRoll, Choice{ChoiceKind::Extra}});
}

int CBoardDlg::CommitTurn() { return ::CommitTurn(Card(), *this); }

// Leftover rolls of the final turn could otherwise offer the extra again and end the
// same game twice; GO refuses until the next new game.
void CBoardDlg::EndGame() {
  m_bGameStarted = false;
  // The kept game goes first: a kill between the two then loses the record rather than
  // letting the next start finish and record the same game again.
  ForgetGameInProgress();
  RecordFinishedGame();
  const int nTotal = m_pCells[kTotalIndex]->GetScore();
  if (!QualifiesForHiScores(theSettings, nTotal)) return;
  // Whatever way the dialog closes, the string holds the name to store: empty unless a
  // name was accepted.
  CString strName;
  CNameEntryDlg nameDlg(&strName);
  m_nNameEntryTotal = nTotal;
  m_nStoredRank = -1;
  nameDlg.DoModal();
  m_nNameEntryTotal = 0;
  if (m_nStoredRank >= 0) {
    theSettings.m_strHiName[m_nStoredRank] = strName;
  } else {
    InsertHiScore(theSettings, nTotal, strName);
  }
  theSettings.Save();
  OnShowHiScores();
}

// The total goes in under no name, as a signal would leave it; the name given later
// replaces that one entry.
void CBoardDlg::OnEndSession(BOOL bEnding) {
  if (!bEnding) return;
  if (m_nNameEntryTotal > 0 && m_nStoredRank < 0) m_nStoredRank = InsertHiScore(theSettings, m_nNameEntryTotal, u"");
  theSettings.Save();
  if (IsGameWorthKeeping()) KeepGameInProgress(KeptGame());
}

void CBoardDlg::ShowRollsLeft() { m_pRollsCounter->SetText(theTextUtil.IntToText(m_nRollsLeft)); }

// ---- menu commands ------------------------------------------------------------------------

void CBoardDlg::OnNewGame() {
  ForgetGameInProgress();
  NewGame();
  UpdateWindow();
}

void CBoardDlg::OnNewGameKey() {
  if (IsGameWorthKeeping() && !AskYesNo(u"Start a new game?", u"New Game", MB_DEFBUTTON2)) return;
  OnNewGame();
}

bool CBoardDlg::ConfirmExit() {
  if (m_bAskingToExit) return false;
  m_bAskingToExit = true;
  const bool bYes = AskYesNo(u"Are you sure that you wish to exit Tumbla?", u"Exit Tumbla?");
  m_bAskingToExit = false;
  return bYes;
}

void CBoardDlg::OnExit() {
  if (!ConfirmExit()) return;
  m_bExitChosen = true;
  CDialog::OnOK();
}

void CBoardDlg::OnCancel() { OnExit(); }

void CBoardDlg::OnClose() {
  if (!ConfirmExit()) return;
  m_bExitChosen = true;
  CDialog::OnClose();
}

void CBoardDlg::OnResetHiScores() {
  if (!AskYesNo(u"Are you sure that you wish to reset the high score table?", u"Reset Hi Scores?")) return;
  theSettings.ResetHiScores();
  theSettings.Save();
}

BOOL CBoardDlg::OnHelpInfo(HELPINFO* pHelpInfo) {
  if (!CreateProcessW(u"peghelp.exe", u"file:Tumbla.htm", nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr,
                      nullptr)) {
    OnHelpViewerFailed();
  }
  return CDialog::OnHelpInfo(pHelpInfo);
}

// On a desktop without a page viewer the player can still open the page by hand.
void CBoardDlg::OnHelpViewerFailed() {
  MessageBoxW(nullptr, u"No viewer could open the help page. The page is:\n" + CDataFile(u"Tumbla.htm").GetPath(),
              u"Tumbla", MB_OK | MB_ICONINFORMATION);
}

void CBoardDlg::OnInstructions() { OnHelpInfo(nullptr); }

// ---- dialog hand-offs -----------------------------------------------------------------------

void CBoardDlg::OnGameOptions() {
  COptionsDlg dlg;
  dlg.DoModal();
}

void CBoardDlg::OnShowHiScores() {
  CHiScoresDlg dlg;
  dlg.DoModal();
}

void CBoardDlg::OnAbout() {
  CAboutDlg dlg;
  dlg.DoModal();
}
