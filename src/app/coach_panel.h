#pragma once
// The coach's panel: a window of the board's own beside the handheld's screen, or below it
// in an upright view, so that it never covers the dice, the cells, GO or the menu bar, drawn
// by the same painter as the board so that every back end shows the same pixels. It shows
// lines of text; a tap on it sends the board the coach's on/off command.
#include <vector>

#include "coach/game_review.h"
#include "platform/wnd/wnd.h"

constexpr int kCoachPanelWidth = 216;
// Below the screen the panel is the screen's width and at least this many lines high, so
// that it keeps one height while the advice's lines come and go, and the board still fills
// the width of an upright phone (390 by 844); more lines make it taller.
constexpr int kCoachPanelBelowRows = 10;

enum class CoachPlace { Beside, Below };

// Where the panel leaves the board larger in a view of that shape: below it in a view
// upright enough, beside it otherwise, and beside it where the view's shape is not told.
CoachPlace CoachPlaceFor(SIZE view);

// The panels beside the screen (the coach's, the statistics) share their place and ground.
constexpr COLORREF kSidePanelColor = RGB(0, 102, 51);
constexpr COLORREF kSidePanelTextColor = RGB(255, 255, 255);
constexpr COLORREF kSidePanelRuleColor = RGB(156, 215, 173);
CRect SidePanelRect();
// A game's review as the panels show it: the figures, then the costliest choices.
std::vector<CString> ReviewText(const GameReview& review);
void PaintSidePanelGround(const CRect& client);

class CCoachPanel : public CWnd {
 public:
  // Beside the screen's right edge or below it, owned by the board, whose loop it takes
  // input with, and which makes the composed screen large enough to show it.
  CCoachPanel(CWnd* pBoard, UINT nToggleCommand, CoachPlace place);
  ~CCoachPanel() override;
  CCoachPanel(const CCoachPanel&) = delete;
  CCoachPanel& operator=(const CCoachPanel&) = delete;

  // Redraws only when the lines change; below the screen, more than its rows make it taller.
  void SetLines(std::vector<CString> lines);
  const std::vector<CString>& Lines() const { return m_lines; }
  void Place(CoachPlace place);
  CoachPlace Placement() const { return m_place; }

 protected:
  void OnPaint() override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;

 private:
  // Takes the rectangle of its place and lines.
  void Fit();

  CWnd* m_pBoard;
  UINT m_nToggleCommand;
  CoachPlace m_place;
  std::vector<CString> m_lines;
};
