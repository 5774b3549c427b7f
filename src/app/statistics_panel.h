#pragma once
// The statistics of the history file, in the coach's place beside the handheld's screen and
// drawn by the same painter, so that every back end shows the same pixels. Three pages: the
// figures with three pictures (the TOTALs' histogram, the mean of the last ten games, the
// points given up per game); each category against best play, where the file is, and Reset
// statistics; the last 20 games. A tap turns the page, but a tap on Reset asks the board,
// and a tap on a listed game shows its review until the next tap.
#include "history/best_play_averages.h"
#include "history/game_statistics.h"
#include "platform/wnd/wnd.h"

constexpr std::size_t kLastGamesListed = 20;

struct StatisticsShown {
  GameStatistics stats;
  // Newest first; each one's review is worked out from its moves when it is chosen.
  std::vector<GameRecord> lastGames;
  const CCoachTable* table = nullptr;
  CategoryAverages bestPlay;
  int badLines = 0;
  CString filePath;
  // The file handed to the player by a button in place of its path, where the back end
  // offers files (the browser) and the file is there; empty for none.
  CString offeredFile;
};

class CStatisticsPanel : public CWnd {
 public:
  // Owned by the board; the reset command goes to it.
  CStatisticsPanel(CWnd* pBoard, UINT nResetCommand, StatisticsShown shown);
  ~CStatisticsPanel() override;
  CStatisticsPanel(const CStatisticsPanel&) = delete;
  CStatisticsPanel& operator=(const CStatisticsPanel&) = delete;

  static constexpr int kPages = 3;
  int Page() const { return m_nPage; }
  // The listed game whose review is shown, newest 0; -1 for none.
  int Reviewing() const { return m_nReviewing; }
  // The chosen line of the page, for the keys: a listed game (newest 0), or on the second
  // page its buttons from the top; -1 for none.
  int Chosen() const { return m_nChosen; }
  void SetPage(int nPage);
  void SetShown(StatisticsShown shown);
  // The keys while the statistics are shown: Left and Right turn the page, Up and Down
  // choose, Enter does what a tap on the chosen line does and ends a review. False for a key
  // that stays the board's.
  bool HandleKey(UINT nKey);

 protected:
  void OnPaint() override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;

 private:
  void PaintFigures(const CRect& client);
  void PaintCategories(const CRect& client);
  void PaintLastGames(const CRect& client);
  void PaintReview(const CRect& client);
  // The second page's buttons, the offered file's first when there is one.
  std::vector<CRect> Buttons(const CRect& client) const;
  void PressButton(std::size_t nButton);
  // What the keys choose from on this page: its buttons, or the listed games.
  int ChoosableLines() const;

  CWnd* m_pBoard;
  UINT m_nResetCommand;
  StatisticsShown m_shown;
  int m_nPage = 0;
  int m_nReviewing = -1;
  int m_nChosen = -1;
};
