#include "app/statistics_panel.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "app/coach_panel.h"
#include "coach/choice_text.h"
#include "draw/painter.h"
#include "history/moves_text.h"
#include "platform/core/screen_size.h"
#include "platform/core/text.h"
#include "platform/wnd/shell.h"

namespace {

constexpr COLORREF kPanelColor = kSidePanelColor;
constexpr COLORREF kTextColor = kSidePanelTextColor;
constexpr COLORREF kRuleColor = kSidePanelRuleColor;
constexpr COLORREF kChartColor = RGB(0, 76, 38);
constexpr COLORREF kPlayerColor = RGB(255, 204, 0);
constexpr COLORREF kBestColor = RGB(156, 215, 173);
constexpr int kMargin = 6;
constexpr int kTitleHeight = 19;
constexpr int kLineHeight = 13;
constexpr int kChartHeight = 46;
constexpr int kLeftAligned = 0;
constexpr int kRightAligned = 2;
// The histogram's bins: TOTALs from 0 to 500 in steps of 20, the last bin holding the rest.
constexpr int kBinWidth = 20;
constexpr int kBins = 25;
constexpr int kResetHeight = 22;

CString Text(const char* format, double a, double b = 0.0) {
  char text[64];
  std::snprintf(text, sizeof text, format, a, b);
  return FromUtf8(text);
}

CRect ResetRect(const CRect& client) {
  return CRect(kMargin, client.bottom - kMargin - kResetHeight, client.right - kMargin, client.bottom - kMargin);
}

CRect OfferRect(const CRect& client) {
  CRect rect = ResetRect(client);
  rect.OffsetRect(0, -kResetHeight - kMargin);
  return rect;
}

void PaintButton(const CRect& rect, const CString& label, bool bChosen) {
  thePainter.FillRect(rect, kChartColor);
  thePainter.FrameRect(rect.left, rect.top, rect.right - 1, rect.bottom - 1, bChosen ? kPlayerColor : kRuleColor);
  thePainter.DrawTextLarge(label, CRect(rect.left, rect.top + 2, rect.right, rect.bottom), kTextColor, kChartColor, 1);
}

void Caption(const CString& text, int& top, const CRect& client) {
  thePainter.DrawTextSmall(text, CRect(kMargin, top, client.right - kMargin, top + kLineHeight), kTextColor,
                           kPanelColor, kLeftAligned);
  top += kLineHeight;
}

// A frame for a picture, and the point of a value in it: x from 0 to 1, y from low to high.
struct Chart {
  CRect box;
  double low = 0.0;
  double high = 1.0;

  int X(double share) const { return box.left + 1 + static_cast<int>(share * (box.Width() - 3)); }
  int Y(double value) const {
    const double share = high > low ? (std::clamp(value, low, high) - low) / (high - low) : 0.0;
    return box.bottom - 2 - static_cast<int>(share * (box.Height() - 3));
  }
};

Chart NextChart(int& top, const CRect& client, double low, double high) {
  Chart chart{CRect(kMargin, top, client.right - kMargin, top + kChartHeight), low, high};
  thePainter.FillRect(chart.box, kChartColor);
  thePainter.FrameRect(chart.box.left, chart.box.top, chart.box.right - 1, chart.box.bottom - 1, kRuleColor);
  top += kChartHeight + 2;
  return chart;
}

template <typename Number>
void PaintSeries(const Chart& chart, const std::vector<Number>& values, COLORREF color) {
  const std::size_t count = values.size();
  for (std::size_t i = 0; i < count; ++i) {
    const double x = count > 1 ? static_cast<double>(i) / static_cast<double>(count - 1) : 0.5;
    const int px = chart.X(x);
    const int py = chart.Y(static_cast<double>(values[i]));
    if (i == 0) {
      thePainter.SetPixel(px, py, color);
      continue;
    }
    const double previous = static_cast<double>(i - 1) / static_cast<double>(count - 1);
    thePainter.DrawLine(chart.X(previous), chart.Y(static_cast<double>(values[i - 1])), px, py, color);
    thePainter.SetPixel(px, py, color);
  }
}

// The row of the listed games under the point, -1 for none.
int ListedGameAt(POINT point, std::size_t count) {
  const int first = kMargin + kTitleHeight + kLineHeight;
  if (point.y < first) return -1;
  const int row = (point.y - first) / kLineHeight;
  return row < static_cast<int>(count) ? row : -1;
}

}  // namespace

CStatisticsPanel::CStatisticsPanel(CWnd* pBoard, UINT nResetCommand, StatisticsShown shown)
    : m_pBoard(pBoard), m_nResetCommand(nResetCommand), m_shown(std::move(shown)) {
  CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, SidePanelRect(), pBoard, 0);
}

CStatisticsPanel::~CStatisticsPanel() { DestroyWindow(); }

void CStatisticsPanel::SetPage(int nPage) {
  m_nPage = nPage;
  m_nChosen = -1;
  Invalidate();
}

void CStatisticsPanel::SetShown(StatisticsShown shown) {
  m_shown = std::move(shown);
  m_nChosen = -1;
  Invalidate();
}

void CStatisticsPanel::OnPaint() {
  CPaintDC dc(this);
  thePainter.SetTarget(&dc);
  CRect client;
  GetClientRect(&client);
  PaintSidePanelGround(client);
  if (m_nReviewing >= 0) {
    PaintReview(client);
  } else if (m_nPage == 0) {
    PaintFigures(client);
  } else if (m_nPage == 1) {
    PaintCategories(client);
  } else {
    PaintLastGames(client);
  }
  thePainter.SetTarget(nullptr);
}

void CStatisticsPanel::PaintFigures(const CRect& client) {
  const GameStatistics& stats = m_shown.stats;
  int top = kMargin;
  thePainter.DrawTextLarge(u"Statistics 1/3", CRect(kMargin, top, client.right - kMargin, top + kTitleHeight),
                           kTextColor, kPanelColor, kLeftAligned);
  top += kTitleHeight;
  Caption(Text("Games %.0f   Mean %.1f", stats.games, stats.mean), top, client);
  Caption(Text("Median %.1f   Best %.0f", stats.median, stats.best) + Text("   Worst %.0f", stats.worst), top, client);
  Caption(Text("TUMBLA %.0f%%   Extras a game %.2f", 100.0 * stats.tumblaRate, stats.extrasPerGame), top, client);
  Caption(Text("Given up a game %.1f", stats.givenUpPerGame), top, client);

  Caption(u"TOTALs, 0 to 500", top, client);
  std::vector<int> bins(kBins, 0);
  for (int total : stats.totals) ++bins[static_cast<std::size_t>(std::clamp(total / kBinWidth, 0, kBins - 1))];
  const int most = std::max(1, *std::max_element(bins.begin(), bins.end()));
  const Chart histogram = NextChart(top, client, 0.0, most);
  const int barWidth = (histogram.box.Width() - 2) / kBins;
  for (int bin = 0; bin < kBins; ++bin) {
    const int left = histogram.box.left + 1 + bin * barWidth;
    const int barTop = histogram.Y(bins[static_cast<std::size_t>(bin)]);
    if (bins[static_cast<std::size_t>(bin)] > 0) {
      thePainter.FillRect(left + 1, barTop, left + barWidth, histogram.box.bottom - 1, kPlayerColor);
    }
  }

  Caption(u"Mean of the last 10 games", top, client);
  const Chart means = NextChart(top, client, 0.0, 400.0);
  const int bestPlayY = means.Y(kBestPlayExpectation);
  thePainter.DrawLine(means.box.left + 1, bestPlayY, means.box.right - 1, bestPlayY, kBestColor);
  PaintSeries(means, stats.runningMeans, kPlayerColor);

  Caption(u"Points given up a game", top, client);
  const double mostGivenUp =
      stats.givenUp.empty() ? 1.0 : std::max(1.0, *std::max_element(stats.givenUp.begin(), stats.givenUp.end()));
  PaintSeries(NextChart(top, client, 0.0, mostGivenUp), stats.givenUp, kPlayerColor);
  Caption(u"Tap for the categories", top, client);
}

void CStatisticsPanel::PaintCategories(const CRect& client) {
  int top = kMargin;
  thePainter.DrawTextLarge(u"Statistics 2/3", CRect(kMargin, top, client.right - kMargin, top + kTitleHeight),
                           kTextColor, kPanelColor, kLeftAligned);
  top += kTitleHeight;
  const int youRight = client.right - kMargin - 50;
  const int bestRight = client.right - kMargin;
  auto row = [&top, &client, youRight, bestRight](const CString& label, const CString& you, const CString& best) {
    const int bottom = top + kLineHeight;
    thePainter.DrawTextSmall(label, CRect(kMargin, top, youRight - 40, bottom), kTextColor, kPanelColor, kLeftAligned);
    thePainter.DrawTextSmall(you, CRect(youRight - 40, top, youRight, bottom), kPlayerColor, kPanelColor,
                             kRightAligned);
    thePainter.DrawTextSmall(best, CRect(bestRight - 40, top, bestRight, bottom), kBestColor, kPanelColor,
                             kRightAligned);
    top += kLineHeight;
  };
  row(u"Average", u"You", u"Best");
  const GameStatistics& stats = m_shown.stats;
  double bestSum = m_shown.bestPlay.extras;
  for (Category category : kOfferOrder) {
    const auto index = static_cast<std::size_t>(CellIndex(category));
    bestSum += m_shown.bestPlay.categories[index];
    row(FromUtf8(std::string(CategoryLabel(category))), Text("%.2f", stats.categoryAverages[index]),
        Text("%.2f", m_shown.bestPlay.categories[index]));
  }
  row(u"Bonus", Text("%.2f", stats.extraPointsAverage), Text("%.2f", m_shown.bestPlay.extras));
  row(u"TOTAL", Text("%.2f", stats.mean), Text("%.2f", bestSum));
  top += kLineHeight / 2;
  Caption(Text("Lines skipped, unreadable: %.0f", m_shown.badLines), top, client);
  const std::vector<CRect> buttons = Buttons(client);
  if (m_shown.offeredFile.empty()) {
    Caption(u"The games are kept in:", top, client);
    const int pathBottom = ResetRect(client).top - 2;
    thePainter.DrawTextSmall(m_shown.filePath, CRect(kMargin, top, client.right - kMargin, pathBottom), kTextColor,
                             kPanelColor, kLeftAligned);
  } else {
    PaintButton(buttons.front(), u"Download the games", m_nChosen == 0);
  }
  PaintButton(buttons.back(), u"Reset statistics", m_nChosen == static_cast<int>(buttons.size()) - 1);
}

std::vector<CRect> CStatisticsPanel::Buttons(const CRect& client) const {
  if (m_shown.offeredFile.empty()) return {ResetRect(client)};
  return {OfferRect(client), ResetRect(client)};
}

void CStatisticsPanel::PressButton(std::size_t nButton) {
  if (nButton + 1 < Buttons(CRect()).size()) {
    OfferFileToPlayer(m_shown.offeredFile);
  } else {
    m_pBoard->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(m_nResetCommand), BN_CLICKED));
  }
}

void CStatisticsPanel::PaintLastGames(const CRect& client) {
  int top = kMargin;
  thePainter.DrawTextLarge(u"Statistics 3/3", CRect(kMargin, top, client.right - kMargin, top + kTitleHeight),
                           kTextColor, kPanelColor, kLeftAligned);
  top += kTitleHeight;
  Caption(u"Last games: tap one for its review", top, client);
  int row = 0;
  for (const GameRecord& game : m_shown.lastGames) {
    if (row++ == m_nChosen) {
      thePainter.FrameRect(kMargin - 2, top - 1, client.right - kMargin + 1, top + kLineHeight - 1, kPlayerColor);
    }
    std::string when = UtcTime(game.finished).substr(0, 16);
    when[10] = ' ';
    Caption(FromUtf8(when) + Text("   %3.0f   given up %.1f", game.total, game.givenUp), top, client);
  }
}

void CStatisticsPanel::PaintReview(const CRect& client) {
  int top = kMargin;
  thePainter.DrawTextLarge(u"Review", CRect(kMargin, top, client.right - kMargin, top + kTitleHeight), kTextColor,
                           kPanelColor, kLeftAligned);
  top += kTitleHeight;
  const GameRecord& game = m_shown.lastGames[static_cast<std::size_t>(m_nReviewing)];
  const std::optional<ReplayedMoves> moves = ReplayMoves(game.moves, false);
  if (m_shown.table == nullptr || !moves) return;
  for (const CString& line : ReviewText(ReviewGame(*m_shown.table, moves->choices, game.total))) {
    thePainter.DrawTextLarge(line, CRect(kMargin, top, client.right - kMargin, top + kTitleHeight), kTextColor,
                             kPanelColor, kLeftAligned);
    top += kTitleHeight;
  }
  Caption(u"Tap to go back", top, client);
}

void CStatisticsPanel::OnLButtonUp(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (m_nReviewing >= 0) {
    m_nReviewing = -1;
    Invalidate();
    return;
  }
  if (m_nPage == 1) {
    const std::vector<CRect> buttons = Buttons(client);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i].PtInRect(point)) {
        PressButton(i);
        return;
      }
    }
  }
  if (m_nPage == 2) {
    m_nReviewing = ListedGameAt(point, m_shown.lastGames.size());
    if (m_nReviewing >= 0) {
      Invalidate();
      return;
    }
  }
  SetPage((m_nPage + 1) % kPages);
}

int CStatisticsPanel::ChoosableLines() const {
  if (m_nPage == 1) return static_cast<int>(Buttons(CRect()).size());
  if (m_nPage == 2) return static_cast<int>(m_shown.lastGames.size());
  return 0;
}

bool CStatisticsPanel::HandleKey(UINT nKey) {
  if (m_nReviewing >= 0) {
    if (nKey != VK_RETURN) return false;
    m_nReviewing = -1;
    Invalidate();
    return true;
  }
  if (nKey == VK_RIGHT || nKey == VK_LEFT) {
    SetPage((m_nPage + (nKey == VK_RIGHT ? 1 : kPages - 1)) % kPages);
    return true;
  }
  const int nLines = ChoosableLines();
  if ((nKey == VK_DOWN || nKey == VK_UP) && nLines > 0) {
    const int nStep = nKey == VK_DOWN ? 1 : nLines - 1;
    m_nChosen = m_nChosen < 0 ? (nKey == VK_DOWN ? 0 : nLines - 1) : (m_nChosen + nStep) % nLines;
    Invalidate();
    return true;
  }
  if (nKey != VK_RETURN || m_nChosen < 0) return false;
  if (m_nPage == 1) {
    PressButton(static_cast<std::size_t>(m_nChosen));
  } else {
    m_nReviewing = m_nChosen;
    Invalidate();
  }
  return true;
}
