#pragma once
// The coach's panel: a window of the board's own beside the handheld's screen, or below it
// in an upright view, so that it never covers the dice, the cells, GO or the menu bar, drawn
// by the same painter as the board so that every back end shows the same pixels. It shows
// lines of text; a tap on it sends the board the coach's on/off command.
#include <vector>

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

class CCoachPanel : public CWnd {
 public:
  // Beside the screen's right edge or below it, owned by the board, whose loop it takes
  // input with; the composed screen grows to hold it.
  CCoachPanel(CWnd* pBoard, UINT nToggleCommand, CoachPlace place);
  ~CCoachPanel() override;
  CCoachPanel(const CCoachPanel&) = delete;
  CCoachPanel& operator=(const CCoachPanel&) = delete;

  // Redraws only when the lines change.
  void SetLines(std::vector<CString> lines);
  const std::vector<CString>& Lines() const { return m_lines; }
  void Place(CoachPlace place);
  CoachPlace Placement() const { return m_place; }

 protected:
  void OnPaint() override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;

 private:
  // Takes the place's rectangle, and makes the composed screen as large as it needs.
  void Fit();

  CWnd* m_pBoard;
  UINT m_nToggleCommand;
  CoachPlace m_place;
  std::vector<CString> m_lines;
};
