#include "art_canvas.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/core/text.h"

namespace {

LONG Scaled(double v) { return static_cast<LONG>(std::lround(v * ArtCanvas::kScale)); }

RECT ScaledRect(const RECT& r) {
  return RECT{r.left * ArtCanvas::kScale, r.top * ArtCanvas::kScale, r.right * ArtCanvas::kScale,
              r.bottom * ArtCanvas::kScale};
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "make_art: %s\n", what.c_str());
  std::exit(1);
}

}  // namespace

ArtCanvas::ArtCanvas(int width, int height, COLORREF background) : m_width(width), m_height(height) {
  m_largeDc.CreateCompatibleDC(nullptr);
  m_smallDc.CreateCompatibleDC(nullptr);
  if (!m_large.CreateCompatibleBitmap(&m_largeDc, width * kScale, height * kScale) ||
      !m_small.CreateCompatibleBitmap(&m_smallDc, width, height)) {
    Fail("cannot make a picture of " + std::to_string(width) + " by " + std::to_string(height));
  }
  m_largeDc.SelectObject(&m_large);
  m_smallDc.SelectObject(&m_small);
  m_largeDc.SetBkMode(TRANSPARENT);
  m_smallDc.SetBkMode(TRANSPARENT);
  FillRect(0, 0, width, height, background);
}

ArtCanvas::~ArtCanvas() = default;

// Brings the large picture up to date with lettering drawn at the finished size: each
// pixel becomes a block of the same colour, which scales down to the same pixel again.
CDC& ArtCanvas::Large() {
  if (m_fresh == Fresh::Small) {
    const Surface& small = *m_small.GetSurface();
    Surface& large = *m_large.GetSurface();
    for (int y = 0; y < large.Height(); ++y) {
      const COLORREF* from = small.Row(y / kScale);
      COLORREF* to = large.Row(y);
      for (int x = 0; x < large.Width(); ++x) to[x] = from[x / kScale];
    }
    m_fresh = Fresh::Large;
  }
  return m_largeDc;
}

// Scales the large picture down, each pixel the average of its block.
CDC& ArtCanvas::Small() {
  if (m_fresh == Fresh::Large) {
    const Surface& large = *m_large.GetSurface();
    Surface& small = *m_small.GetSurface();
    constexpr int kArea = kScale * kScale;
    for (int y = 0; y < m_height; ++y) {
      for (int x = 0; x < m_width; ++x) {
        int red = 0, green = 0, blue = 0;
        for (int dy = 0; dy < kScale; ++dy) {
          const COLORREF* row = large.Row(y * kScale + dy) + x * kScale;
          for (int dx = 0; dx < kScale; ++dx) {
            red += GetRValue(row[dx]);
            green += GetGValue(row[dx]);
            blue += GetBValue(row[dx]);
          }
        }
        small.Row(y)[x] = RGB((red + kArea / 2) / kArea, (green + kArea / 2) / kArea, (blue + kArea / 2) / kArea);
      }
    }
    m_fresh = Fresh::Small;
  }
  return m_smallDc;
}

CFont* ArtCanvas::Font(const LetteringStyle& style) {
  auto found = m_fonts.find(style);
  if (found != m_fonts.end()) return found->second.get();
  LOGFONT description{};
  description.lfHeight = style.height;
  description.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
  description.lfPitchAndFamily = 0x12;
  const std::u16string_view face(style.face);
  face.copy(description.lfFaceName, LF_FACESIZE - 1);
  auto font = std::make_unique<CFont>();
  if (!font->CreateFontIndirect(&description)) {
    Fail("the font \"" + ToUtf8(CString(face)) + "\" is not installed");
  }
  return m_fonts.emplace(style, std::move(font)).first->second.get();
}

void ArtCanvas::DrawShape(COLORREF color, auto&& draw) {
  CDC& dc = Large();
  CPen pen(PS_SOLID, 1, color);
  CBrush brush(color);
  CPen* oldPen = dc.SelectObject(&pen);
  CBrush* oldBrush = dc.SelectObject(&brush);
  draw(dc);
  dc.SelectObject(oldBrush);
  dc.SelectObject(oldPen);
}

void ArtCanvas::FillRect(double left, double top, double right, double bottom, COLORREF color) {
  DrawShape(color, [&](CDC& dc) { dc.Rectangle(Scaled(left), Scaled(top), Scaled(right), Scaled(bottom)); });
}

void ArtCanvas::FillEllipse(double left, double top, double right, double bottom, COLORREF color) {
  DrawShape(color, [&](CDC& dc) { dc.Ellipse(Scaled(left), Scaled(top), Scaled(right), Scaled(bottom)); });
}

void ArtCanvas::FillPolygon(std::span<const Point2> points, COLORREF color) {
  std::vector<POINT> scaled;
  scaled.reserve(points.size());
  for (const Point2& p : points) scaled.push_back(POINT{Scaled(p.x), Scaled(p.y)});
  DrawShape(color, [&](CDC& dc) { dc.Polygon(scaled.data(), static_cast<int>(scaled.size())); });
}

void ArtCanvas::Line(Point2 from, Point2 to, double width, COLORREF color) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double length = std::hypot(dx, dy);
  if (length > 0) {
    const double nx = -dy / length * width / 2;
    const double ny = dx / length * width / 2;
    const Point2 quad[] = {
        {from.x + nx, from.y + ny}, {to.x + nx, to.y + ny}, {to.x - nx, to.y - ny}, {from.x - nx, from.y - ny}};
    FillPolygon(quad, color);
  }
  const double r = width / 2;
  FillEllipse(from.x - r, from.y - r, from.x + r, from.y + r, color);
  FillEllipse(to.x - r, to.y - r, to.x + r, to.y + r, color);
}

void ArtCanvas::SmoothText(const CString& text, const LetteringStyle& font, const RECT& area, UINT format,
                           COLORREF color) {
  CDC& dc = Large();
  CFont* old = dc.SelectObject(Font(LetteringStyle{font.face, font.height * kScale, font.bold}));
  dc.SetTextColor(color);
  RECT scaled = ScaledRect(area);
  dc.DrawText(text, &scaled, format);
  dc.SelectObject(old);
}

void ArtCanvas::Text(const CString& text, const LetteringStyle& font, const RECT& area, UINT format, COLORREF color) {
  CDC& dc = Small();
  CFont* old = dc.SelectObject(Font(font));
  dc.SetTextColor(color);
  RECT copy = area;
  dc.DrawText(text, &copy, format);
  dc.SelectObject(old);
}

SIZE ArtCanvas::MeasureText(const CString& text, const LetteringStyle& font) {
  CDC& dc = m_smallDc;
  CFont* old = dc.SelectObject(Font(font));
  SIZE size{0, 0};
  GetTextExtentExPointW(&dc, text, 0, nullptr, nullptr, &size);
  dc.SelectObject(old);
  return size;
}

const Surface& ArtCanvas::Picture() {
  Small();
  return *m_small.GetSurface();
}

std::vector<CString> WrapWords(ArtCanvas& canvas, const CString& text, const LetteringStyle& font, int maxWidth) {
  std::vector<CString> lines;
  CString line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u' ', start);
    if (end == CString::npos) end = text.size();
    const CString word = text.substr(start, end - start);
    CString longer = line;
    if (!longer.empty()) longer += u' ';
    longer += word;
    if (!line.empty() && canvas.MeasureText(longer, font).cx > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    start = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}
