#include "draw/painter.h"

#include <algorithm>

#include "platform/gdi/dc_selection.h"

namespace {

constexpr LONG kSmallCellHeight = 12;
constexpr LONG kLargeCellHeight = 18;
constexpr BYTE kVariablePitchSwiss = 0x12;
constexpr LONG kBottomToTop = 900;

LOGFONT FontDescription(LONG cellHeight, const char16_t* face) {
  LOGFONT description{};
  description.lfHeight = cellHeight;
  description.lfWeight = FW_NORMAL;
  description.lfPitchAndFamily = kVariablePitchSwiss;
  std::char_traits<char16_t>::copy(description.lfFaceName, face, std::char_traits<char16_t>::length(face));
  return description;
}

// "Tahoma" where it exists, else "Helvetica"; whether the second attempt works is not
// examined (text then comes out in whatever font the target has).
void CreateWithFallback(CFont& font, LOGFONT& description) {
  if (font.CreateFontIndirect(&description)) return;
  description = FontDescription(description.lfHeight, u"Helvetica");
  font.CreateFontIndirect(&description);
}

int Channel(COLORREF color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

template <typename PerChannel>
COLORREF MapChannels(PerChannel perChannel) {
  return RGB(perChannel(0), perChannel(8), perChannel(16));
}

// A pen and a brush of one colour, selected for one shape and taken out again after it.
struct SolidSelection {
  SolidSelection(CDC* dc, COLORREF color) : pen(PS_SOLID, 0, color), brush(color), scope(*dc, &pen, &brush) {}
  CPen pen;
  CBrush brush;
  SelectionScope scope;
};

int TextWidth(CDC* dc, const CString& text) {
  SIZE size{0, 0};
  GetTextExtentExPointW(dc, text, 0, nullptr, nullptr, &size);
  return size.cx;
}

}  // namespace

CPainter::CPainter() {
  LOGFONT small = FontDescription(kSmallCellHeight, u"Tahoma");
  CreateWithFallback(m_fontSmall, small);
  small.lfEscapement = kBottomToTop;
  m_fontVertical.CreateFontIndirect(&small);
  LOGFONT large = FontDescription(kLargeCellHeight, u"Tahoma");
  CreateWithFallback(m_fontLarge, large);
}

CPainter::~CPainter() {
  m_fontVertical.DeleteObject();
  m_fontLarge.DeleteObject();
  m_fontSmall.DeleteObject();
}

void CPainter::SetTarget(CDC* pDC) { m_pDC = pDC; }

void CPainter::FillRect(const RECT& rect, COLORREF color) {
  FillRect(rect.left, rect.top, rect.right, rect.bottom, color);
}

void CPainter::FillRect(int left, int top, int right, int bottom, COLORREF color) {
  SolidSelection solid(m_pDC, color);
  m_pDC->Rectangle(left, top, right, bottom);
}

void CPainter::FillRoundRect(const RECT& rect, int cornerSize, COLORREF color) {
  SolidSelection solid(m_pDC, color);
  m_pDC->RoundRect(rect.left, rect.top, rect.right, rect.bottom, cornerSize, cornerSize);
}

void CPainter::FillRoundRectFramed(const RECT& rect, int cornerSize, int inset, COLORREF outerColor,
                                   COLORREF innerColor) {
  SolidSelection outer(m_pDC, outerColor);
  m_pDC->RoundRect(rect.left, rect.top, rect.right, rect.bottom, cornerSize, cornerSize);
  SolidSelection inner(m_pDC, innerColor);
  m_pDC->RoundRect(rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset, cornerSize,
                   cornerSize);
}

void CPainter::FillEllipse(const RECT& rect, COLORREF color) {
  FillEllipse(rect.left, rect.top, rect.right, rect.bottom, color);
}

void CPainter::FillEllipse(int left, int top, int right, int bottom, COLORREF color) {
  SolidSelection solid(m_pDC, color);
  m_pDC->Ellipse(left, top, right, bottom);
}

void CPainter::FillCircle(int x, int y, int radius, COLORREF color) {
  FillEllipse(x - radius, y - radius, x + radius, y + radius, color);
}

void CPainter::FillTriangle(int x1, int y1, int x2, int y2, int x3, int y3, COLORREF color) {
  SolidSelection solid(m_pDC, color);
  const POINT points[] = {{x1, y1}, {x2, y2}, {x3, y3}};
  m_pDC->Polygon(points, 3);
}

void CPainter::SetPixel(int x, int y, COLORREF color) { m_pDC->SetPixel(x, y, color); }

void CPainter::DrawLine(int x1, int y1, int x2, int y2, COLORREF color) {
  CPen pen(PS_SOLID, 1, color);
  SelectionScope selection(*m_pDC, &pen);
  m_pDC->MoveTo(x1, y1);
  m_pDC->LineTo(x2, y2);
}

void CPainter::DrawLine(const RECT& rect, COLORREF color) {
  DrawLine(rect.left, rect.top, rect.right, rect.bottom, color);
}

void CPainter::FrameRect(int left, int top, int right, int bottom, COLORREF color) {
  CPen pen(PS_SOLID, 1, color);
  SelectionScope selection(*m_pDC, &pen);
  m_pDC->MoveTo(left, top);
  m_pDC->LineTo(right, top);
  m_pDC->LineTo(right, bottom);
  m_pDC->LineTo(left, bottom);
  m_pDC->LineTo(left, top);
}

void CPainter::FrameRect(const RECT& rect, COLORREF color) {
  FrameRect(rect.left, rect.top, rect.right, rect.bottom, color);
}

void CPainter::DrawIcon(int x, int y, UINT iconId) {
  DrawIconEx(m_pDC, x, y, LoadIconW(iconId), 0, 0, 0, nullptr, DI_NORMAL);
}

int CPainter::DrawTextLarge(const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor,
                            int alignment) {
  return DrawTextInFont(m_fontLarge, text, rect, textColor, backColor, alignment);
}

int CPainter::DrawTextSmall(const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor,
                            int alignment) {
  return DrawTextInFont(m_fontSmall, text, rect, textColor, backColor, alignment);
}

int CPainter::DrawTextInFont(CFont& font, const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor,
                             int alignment) {
  SelectionScope selection(*m_pDC, &font);
  m_pDC->SetBkColor(backColor);
  m_pDC->SetTextColor(textColor);
  const UINT horizontal = alignment < 0 || alignment > 2 ? DT_CENTER : static_cast<UINT>(alignment);
  // Without DT_SINGLELINE the vertical centring does nothing: the text starts at the top.
  RECT area = rect;
  m_pDC->DrawText(text, &area, horizontal | DT_VCENTER);
  return TextWidth(m_pDC, text);
}

void CPainter::DrawTextVertical(const CString& text, const RECT& rect, COLORREF textColor, COLORREF backColor) {
  SelectionScope selection(*m_pDC, &m_fontSmall);
  m_pDC->SetBkColor(backColor);
  m_pDC->SetTextColor(textColor);
  const int width = TextWidth(m_pDC, text);
  // The turned text runs upwards from the foot of its cell, so dropping the rectangle by
  // half of (text width + height) centres the text on the rectangle's height.
  m_pDC->SelectObject(&m_fontVertical);
  const int half = (width + (rect.bottom - rect.top)) / 2;
  RECT area{rect.left + 4, rect.top + half, rect.right + 4, rect.bottom + half};
  m_pDC->DrawText(text, &area, DT_CENTER | DT_BOTTOM | DT_NOCLIP);
}

COLORREF CPainter::LightenColor(COLORREF color, int steps) {
  for (int i = 0; i < steps; ++i) {
    color = MapChannels([&](int shift) { return Channel(color, shift) + (255 - Channel(color, shift)) / 2; });
  }
  return color & 0x00FFFFFF;
}

COLORREF CPainter::BlendColor(COLORREF a, COLORREF b, int weight) {
  return MapChannels(
      [&](int shift) { return (Channel(a, shift) * weight + Channel(b, shift) * (255 - weight)) / 256; });
}

COLORREF CPainter::InvertColor(COLORREF color) {
  return MapChannels([&](int shift) { return 255 - Channel(color, shift); });
}

COLORREF CPainter::ContrastColor(COLORREF color) {
  const int brightness = (Channel(color, 0) + Channel(color, 8) + Channel(color, 16)) / 3;
  return brightness > 187 ? BlendColor(color, RGB(0, 0, 0), 224) : BlendColor(color, RGB(255, 255, 255), 128);
}
