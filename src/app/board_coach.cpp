// The coach on the board: its on/off setting, best play's table worked out a slice per tick
// once the coach is first turned on, and the panel's advice, costs and review. The choices
// are kept whether or not the coach is on (board_dlg.cpp), so it can cost them later.
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/board_dlg.h"
#include "coach/card_reading.h"
#include "coach/choice_text.h"
#include "platform/core/screen_size.h"
#include "platform/core/text.h"
#include "resources/resource_ids.h"

namespace {

// At most 5 ms of work natively (the slices holding the extra's fixed points are the
// longest), so that the browser's slower code still fits in one frame; 96 ticks in all.
constexpr int kStatesPerTick = 128;

CString Figure(const std::string& label, double value, int decimals, bool bSigned = false) {
  char number[32];
  std::snprintf(number, sizeof number, bSigned ? "%+.*f" : "%.*f", decimals, value);
  return FromUtf8(label + number);
}

std::string DiceDigits(const DiceValues& dice) {
  std::string digits;
  for (int value : dice) digits += static_cast<char>('0' + value);
  return digits;
}

}  // namespace

void CBoardDlg::LoadCoach() {
  m_extras.Load();
  if (m_extras.m_bCoach) ShowCoach(true);
}

void CBoardDlg::OnCoach() {
  m_extras.m_bCoach = !m_extras.m_bCoach;
  m_extras.Save();
  ShowCoach(m_extras.m_bCoach);
}

void CBoardDlg::ShowCoach(bool bShow) {
  if (!bShow) {
    m_pCoachPanel.reset();
    FitScreenToPanels();
    return;
  }
  if (!m_pCoachTable) m_pCoachTable = std::make_unique<CCoachTable>();
  m_pCoachPanel = std::make_unique<CCoachPanel>(this, ID_COACH, CoachPlaceFor(CurrentHost().ViewShape()));
  UpdateCoach();
}

void CBoardDlg::OnViewShapeChanged() {
  if (!m_pCoachPanel) return;
  m_pCoachPanel->Place(CoachPlaceFor(CurrentHost().ViewShape()));
  FitScreenToPanels();
}

void CBoardDlg::FitScreenToPanels() {
  CRect extent(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT);
  for (const CWnd* pPanel :
       {static_cast<const CWnd*>(m_pCoachPanel.get()), static_cast<const CWnd*>(m_pStatisticsPanel.get())}) {
    if (pPanel == nullptr) continue;
    const CRect rect = pPanel->ScreenRect();
    extent.right = std::max(extent.right, rect.right);
    extent.bottom = std::max(extent.bottom, rect.bottom);
  }
  CurrentHost().SetScreenSize(extent.right, extent.bottom);
}

void CBoardDlg::SolveCoachSlice() {
  if (!m_pCoachTable || m_pCoachTable->IsComplete()) return;
  if (m_pCoachTable->SolveSome(kStatesPerTick)) UpdateCoach();
}

void CBoardDlg::UpdateCoach() {
  if (!m_pCoachPanel) return;
  m_pCoachPanel->SetLines(CoachLines());
  FitScreenToPanels();
}

std::vector<CString> CBoardDlg::CoachLines() const {
  std::vector<CString> lines = {u"Coach: tap to hide", u""};
  if (!m_pCoachTable->IsComplete()) {
    lines.insert(lines.end(), {u"Working out", u"best play..."});
    return lines;
  }
  const bool bGameOver = !m_bGameStarted && ReadPosition(Scorecard(m_entries), Scoring(), 0, {}).card.IsFull();
  const std::vector<CString> more = bGameOver ? ReviewLines() : AdviceLines();
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

std::vector<CString> CBoardDlg::AdviceLines() const {
  const Position now = m_lastRoll.value_or(ReadPosition(Scorecard(m_entries), Scoring(), 0, {}));
  const Choice best = RankChoices(*m_pCoachTable, now).front();
  std::vector<CString> lines = {FromUtf8("Best: " + ChoiceText(best)), Figure("Expect ", best.expect, 2), u""};
  if (m_played.empty()) return lines;
  double givenUp = 0.0;
  for (const PlayedChoice& played : m_played) givenUp += CostOf(*m_pCoachTable, played).cost;
  const ChoiceCost last = CostOf(*m_pCoachTable, m_played.back());
  lines.push_back(FromUtf8("Last: " + ChoiceText(last.played.chosen)));
  lines.push_back(Figure("Cost ", last.cost, 1));
  lines.push_back(Figure("Given up ", givenUp, 1));
  return lines;
}

std::vector<CString> ReviewText(const GameReview& review) {
  std::vector<CString> lines = {
      Figure("TOTAL ", review.finalTotal, 0),
      Figure("Expected ", review.expectedAtStart, 2),
      Figure("Given up ", review.givenUp, 2),
      Figure("Luck ", review.luck, 2, true),
      u"Costliest choices:",
  };
  for (const ChoiceCost& cost : review.costliest) {
    lines.push_back(FromUtf8(DiceDigits(cost.played.position.dice) + " " + ChoiceText(cost.played.chosen)));
    lines.push_back(Figure("  best " + ChoiceText(cost.best) + ", ", cost.cost, 1));
  }
  return lines;
}

std::vector<CString> CBoardDlg::ReviewLines() const {
  return ReviewText(ReviewGame(*m_pCoachTable, m_played, m_pCells[kTotalIndex]->GetScore()));
}
