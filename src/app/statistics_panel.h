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
  void SetPage(int nPage);
  void SetShown(StatisticsShown shown);

 protected:
  void OnPaint() override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;

 private:
  void PaintFigures(const CRect& client);
  void PaintCategories(const CRect& client);
  void PaintLastGames(const CRect& client);
  void PaintReview(const CRect& client);

  CWnd* m_pBoard;
  UINT m_nResetCommand;
  StatisticsShown m_shown;
  int m_nPage = 0;
  int m_nReviewing = -1;
};
