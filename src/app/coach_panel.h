#pragma once
// The coach's panel: a window of the board's own beside the handheld's screen, so that it
// never covers the dice, the cells, GO or the menu bar, drawn by the same painter as the
// board so that every back end shows the same pixels. It shows lines of text; a tap on it
// sends the board the coach's on/off command.
#include <vector>

#include "platform/wnd/wnd.h"

constexpr int kCoachPanelWidth = 216;

class CCoachPanel : public CWnd {
 public:
  // Beside the screen's right edge, owned by the board, whose loop it takes input with.
  CCoachPanel(CWnd* pBoard, UINT nToggleCommand);
  ~CCoachPanel() override;
  CCoachPanel(const CCoachPanel&) = delete;
  CCoachPanel& operator=(const CCoachPanel&) = delete;

  // Redraws only when the lines change.
  void SetLines(std::vector<CString> lines);
  const std::vector<CString>& Lines() const { return m_lines; }

 protected:
  void OnPaint() override;
  void OnLButtonUp(UINT nFlags, CPoint point) override;

 private:
  CWnd* m_pBoard;
  UINT m_nToggleCommand;
  std::vector<CString> m_lines;
};
