#include "art_style.h"

#include <cmath>

namespace art {

COLORREF Blend(COLORREF from, COLORREF to, double t) {
  auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

void ShadowedText(ArtCanvas& canvas, const CString& text, const LetteringStyle& font, const RECT& area, UINT format,
                  COLORREF color, COLORREF shadow) {
  const RECT shifted{area.left + 1, area.top + 1, area.right + 1, area.bottom + 1};
  canvas.Text(text, font, shifted, format, shadow);
  canvas.Text(text, font, area, format, color);
}

}  // namespace art
