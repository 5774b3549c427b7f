#pragma once
// The board: the one dialog the program is. It lays five dice, fifteen score cells and
// the rolls counter over the board picture, carries the "Menu" bar, and runs the game on
// a 50 ms timer: a tap on GO asks for a roll, the next tick rolls (with its cues and, at
// the slower speed, its pauses) and makes the offers, and a tick that finds an offer
// taken commits the turn.
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "app/coach_panel.h"
#include "app/statistics_panel.h"
#include "coach/game_review.h"
#include "draw/die_ctrl.h"
#include "draw/label_ctrl.h"
#include "draw/score_cell.h"
#include "persistence/extra_settings.h"
#include "platform/wnd/dialog.h"
#include "rules/scoring.h"

struct GameInProgress;

constexpr int kDiceCount = 5;
constexpr int kRollsPerTurn = 3;
constexpr UINT kBoardTimerPeriodMs = 50;

class CBoardDlg : public CDialog, private TurnScoring {
 public:
  CBoardDlg();
  ~CBoardDlg() override;

  // The board ends when the player chooses Exit (or agrees to the close button), and the
  // game with it, as on the handheld; any other end keeps the game in progress for the next
  // start, which goes on where it was.
  int DoModal() override;
  BOOL OnInitDialog() override;
  // Neither Enter nor the title bar's OK closes the board.
  void OnOK() override;
  // Escape asks first, as Exit does.
  void OnCancel() override;

  // What the board shows, for whoever watches it.
  const CDieCtrl& Die(int nIndex) const { return *m_pDice[static_cast<std::size_t>(nIndex)]; }
  const CScoreCell& Cell(int nIndex) const { return *m_pCells[static_cast<std::size_t>(nIndex)]; }
  const CLabelCtrl& RollsCounter() const { return *m_pRollsCounter; }
  int RollsLeft() const { return m_nRollsLeft; }
  bool IsGameStarted() const { return m_bGameStarted; }
  // The offers and extras the cells are settled against.
  const TurnScoring& Scoring() const { return *this; }
  // Every hold and take of the game since New Game, with its moment, for the coach's costs.
  const std::vector<PlayedChoice>& PlayedChoices() const { return m_played; }
  // The coach's panel while the coach is on; null while it is off.
  const CCoachPanel* CoachPanel() const { return m_pCoachPanel.get(); }
  // The statistics panel while it is shown; null while it is not.
  CStatisticsPanel* StatisticsPanel() const { return m_pStatisticsPanel.get(); }
  // Ctrl+N: one key that could throw a game away, so it asks first once a game is under way.
  void OnNewGameKey();

 protected:
  void OnTimer(UINT_PTR nIDEvent) override;
  BOOL OnHelpInfo(HELPINFO* pHelpInfo) override;
  // The viewer started but could not show the page: the same box as when none starts.
  void OnHelpViewerFailed() override;
  // The desktop window's close button asks as Exit does, also over an open dialog, whose
  // loop then ends with the board's.
  void OnClose() override;
  // The keys that act as taps (board_keys); Enter comes here too, never to OnOK.
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
  bool WantsReturnKey() const override { return true; }
  // The program may be ended from now on without another word (the page hidden, the session
  // ending): the settings, a total whose name is being asked for and the game in progress
  // are saved at once. The game goes on as it was.
  void OnEndSession(BOOL bEnding) override;
  void OnViewShapeChanged() override;

  void OnGo();
  // The other offers go at once, so that taps reaching the board before its next tick (those
  // queued during a roll's pauses) find nothing more to take.
  void OnOfferTaken();
  void OnNewGame();
  void OnExit();
  void OnResetHiScores();
  void OnInstructions();
  // The hand-offs to the secondary dialogs; the board does nothing with their results.
  void OnGameOptions();
  void OnShowHiScores();
  void OnAbout();
  // Runs once, after the commit that filled the thirteenth category: a total above the
  // table's tenth entry is stored under the name asked for, saved, and the table shown.
  void EndGame();

  void NewGame();
  void NewTurn();
  void RollDice();
  void EvaluateRoll();
  int CommitTurn();

 private:
  Scorecard Card() const { return Scorecard(m_entries); }
  bool ConfirmExit();
  // Something has happened in the game since it began: a roll or a filled category.
  bool IsGameWorthKeeping() const;
  GameInProgress KeptGame() const;
  void ResumeGame(const GameInProgress& game);
  void ShowRollsLeft();
  DiceValues DiceShown() const;
  // The moment after a roll, which the next hold or take is chosen at.
  void RememberRoll();
  // ---- the coach (board_coach.cpp) ----
  void LoadCoach();
  void OnCoach();
  void ShowCoach(bool bShow);
  // The composed screen holds the handheld's screen and every panel shown beside or below it.
  void FitScreenToPanels();
  // A slice of best play's table at each tick until it is whole, so no tick stalls the page.
  void SolveCoachSlice();
  void UpdateCoach();
  std::vector<CString> CoachLines() const;
  std::vector<CString> AdviceLines() const;
  std::vector<CString> ReviewLines() const;
  // The dice held as GO rolls the others, kept as the player's choice after the roll before.
  void KeepHoldChoice();
  // The offer taken, found as the tick that commits it sees the card.
  void KeepTakeChoice();
  // ---- the history file (board_history.cpp) ----
  // A game under way has best play's table worked out, a slice per tick, so that the game
  // is costed at its end without a wait and no tick stalls the page.
  void StartTableForHistory();
  // Appends the game whose thirteenth category has just been taken to the history file.
  void RecordFinishedGame();
  // Shows the statistics beside the screen, on their first page, or hides them.
  void OnStatistics();
  // Asks first; then the history file keeps its header alone.
  void OnResetStatistics();
  // What the panel shows, read afresh from the file; nothing when the file cannot be read,
  // which is said.
  std::optional<StatisticsShown> ReadStatistics();

  CCommandBar* m_pMenuBar = nullptr;
  std::array<CDieCtrl*, kDiceCount> m_pDice{};
  std::array<CScoreCell*, kScorecardSize> m_pCells{};
  CLabelCtrl* m_pRollsCounter = nullptr;
  int m_nRollsLeft = 0;
  // A game is in progress: set up and not yet ended.
  bool m_bGameStarted = false;
  bool m_bRollRequested = false;
  // The player chose to end the program.
  bool m_bExitChosen = false;
  // The final total while its name is being asked for, and its place in the table once an
  // end of the session stored it there before the name was given; -1 until then.
  int m_nNameEntryTotal = 0;
  int m_nStoredRank = -1;
  // The exit question is up; a second close request does not ask again.
  bool m_bAskingToExit = false;
  // The cells as the rules see them, in the same order.
  std::array<IScoreEntry*, kScorecardSize> m_entries{};
  // The moment after this turn's latest roll; none before its first.
  std::optional<Position> m_lastRoll;
  std::vector<PlayedChoice> m_played;
  CExtraSettings m_extras;
  // Made when the coach is first turned on or a game is first rolled, and kept for the run.
  std::unique_ptr<CCoachTable> m_pCoachTable;
  std::unique_ptr<CCoachPanel> m_pCoachPanel;
  std::unique_ptr<CStatisticsPanel> m_pStatisticsPanel;
  // Best play's averages, worked out the first time the statistics are shown.
  std::optional<CategoryAverages> m_bestPlayAverages;
};
