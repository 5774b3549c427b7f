#pragma once
// The statistics of the history file, in the coach's place beside the handheld's screen and
// drawn by the same painter, so that every back end shows the same pixels. Two pages: the
// figures with three pictures (the TOTALs' histogram, the mean of the last ten games, the
// points given up per game), then each category against best play, where the file is, and
// Reset statistics. A tap turns the page; the last page's tap on Reset asks the board.
#include "history/best_play_averages.h"
#include "history/game_statistics.h"
#include "platform/wnd/wnd.h"

struct StatisticsShown {
  GameStatistics stats;
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

  static constexpr int kPages = 2;
  int Page() const { return m_nPage; }
  void SetPage(int nPage);
  void SetShown(StatisticsShown shown);

 protected:
  void OnPaint() override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;

 private:
  void PaintFigures(const CRect& client);
  void PaintCategories(const CRect& client);

  CWnd* m_pBoard;
  UINT m_nResetCommand;
  StatisticsShown m_shown;
  int m_nPage = 0;
};
