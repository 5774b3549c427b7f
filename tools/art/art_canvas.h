#pragma once
// A picture of the program's art in the making. Shapes are drawn four times larger and
// scaled down, so their edges come out smooth; small lettering is drawn at the finished
// size, so the font's hand-tuned bitmaps stay crisp. The two kinds may be mixed in any
// order: each kind sees everything drawn before it.
#include <compare>
#include <map>
#include <memory>
#include <span>
#include <vector>

#include "platform/gdi/gdi.h"

struct Point2 {
  double x;
  double y;
};

struct LetteringStyle {
  const char16_t* face;
  int height;  // cell height in pixels, as the program's own fonts are described
  bool bold;
  friend auto operator<=>(const LetteringStyle&, const LetteringStyle&) = default;
};

class ArtCanvas {
 public:
  static constexpr int kScale = 4;

  ArtCanvas(int width, int height, COLORREF background);
  ~ArtCanvas();
  ArtCanvas(const ArtCanvas&) = delete;
  ArtCanvas& operator=(const ArtCanvas&) = delete;

  int Width() const { return m_width; }
  int Height() const { return m_height; }

  // Smooth shapes. Coordinates are pixels of the finished picture and may be fractional;
  // a shape covers x from left to right and y from top to bottom.
  void FillRect(double left, double top, double right, double bottom, COLORREF color);
  void FillEllipse(double left, double top, double right, double bottom, COLORREF color);
  void FillPolygon(std::span<const Point2> points, COLORREF color);
  void Line(Point2 from, Point2 to, double width, COLORREF color);
  // Lettering drawn large with the shapes: for headings above the sizes of the bitmaps.
  void SmoothText(const CString& text, const LetteringStyle& font, const RECT& area, UINT format, COLORREF color);

  // Crisp lettering at the finished size.
  void Text(const CString& text, const LetteringStyle& font, const RECT& area, UINT format, COLORREF color);
  SIZE MeasureText(const CString& text, const LetteringStyle& font);

  const Surface& Picture();

 private:
  enum class Fresh { Large, Small };
  CDC& Large();
  CDC& Small();
  CFont* Font(const LetteringStyle& font);
  void DrawShape(COLORREF color, auto&& draw);

  int m_width;
  int m_height;
  CDC m_largeDc;
  CDC m_smallDc;
  CBitmap m_large;
  CBitmap m_small;
  Fresh m_fresh = Fresh::Large;
  std::map<LetteringStyle, std::unique_ptr<CFont>> m_fonts;
};

// Splits text at spaces into lines no wider than maxWidth (a single word wider than that
// keeps a line of its own).
std::vector<CString> WrapWords(ArtCanvas& canvas, const CString& text, const LetteringStyle& font, int maxWidth);
