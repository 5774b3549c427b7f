#include "platform/wnd/dialog_colors.h"

namespace {
struct DialogColors {
  COLORREF background = RGB(192, 192, 192);
  COLORREF text = RGB(0, 0, 0);
};

DialogColors& Colors() {
  static DialogColors colors;
  return colors;
}
}  // namespace

void SetDialogColors(COLORREF background, COLORREF text) { Colors() = DialogColors{background, text}; }
COLORREF DialogBackgroundColor() { return Colors().background; }
COLORREF DialogTextColor() { return Colors().text; }
