#include "platform/wnd/paint_helpers.h"

#include <algorithm>
#include "platform/core/require.h"
#include "platform/gdi/dc_selection.h"

void FillSolid(CDC& dc, const RECT& rect, COLORREF color) {
  if (CRect(rect).IsRectEmpty()) return;
  CPen pen(PS_SOLID, 1, color);
  CBrush brush(color);
  SelectionScope selection(dc, &pen, &brush);
  dc.Rectangle(&rect);
}

void FrameSolid(CDC& dc, const RECT& rect, COLORREF color, int thickness) {
  const CRect r(rect);
  FillSolid(dc, CRect(r.left, r.top, r.right, r.top + thickness), color);
  FillSolid(dc, CRect(r.left, r.bottom - thickness, r.right, r.bottom), color);
  FillSolid(dc, CRect(r.left, r.top, r.left + thickness, r.bottom), color);
  FillSolid(dc, CRect(r.right - thickness, r.top, r.right, r.bottom), color);
}

void DrawLine(CDC& dc, int x1, int y1, int x2, int y2, COLORREF color) {
  CPen pen(PS_SOLID, 1, color);
  SelectionScope selection(dc, &pen);
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
}

void DrawTextIn(CDC& dc, const CString& text, RECT rect, UINT format, COLORREF color, CFont* font) {
  SelectionScope selection(dc, font);
  dc.SetTextColor(color);
  dc.SetBkMode(TRANSPARENT);
  dc.DrawText(text, &rect, format);
}

int TextWidth(CDC& dc, const CString& text, CFont* font) {
  SelectionScope selection(dc, font);
  SIZE size{0, 0};
  GetTextExtentExPointW(&dc, text, 0, nullptr, nullptr, &size);
  return size.cx;
}

BOOL CreatePointFont(CFont& font, std::u16string_view face, int pointSize, bool bold) {
  LOGFONT description{};
  description.lfHeight = -MulDiv(pointSize, 96, 72);
  description.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), length, description.lfFaceName);
  return font.CreateFontIndirect(&description);
}

CFont& StandardFont(bool bold) {
  static CFont* fonts[2] = {nullptr, nullptr};
  CFont*& font = fonts[bold ? 1 : 0];
  if (font == nullptr) {
    font = new CFont;  // kept for the whole run, like the shell's own fonts
    const BOOL created = CreatePointFont(*font, u"Tahoma", 8, bold);
    PLATFORM_REQUIRE(created, "the Tahoma font is not installed");
  }
  return *font;
}

int MeasureText(const CString& text, bool bold) {
  static Surface scratch(1, 1);
  CDC dc;
  dc.AttachSurface(&scratch, POINT{0, 0}, CRect(0, 0, 1, 1));
  return TextWidth(dc, text, &StandardFont(bold));
}
