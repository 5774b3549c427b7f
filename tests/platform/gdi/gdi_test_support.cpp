#include "gdi_test_support.h"

#include <algorithm>

TestCanvas::TestCanvas(int width, int height, COLORREF fill) {
  m_dc.CreateCompatibleDC(nullptr);
  m_bitmap.CreateCompatibleBitmap(&m_dc, width, height);
  m_previous = m_dc.SelectObject(&m_bitmap);
  CBrush brush(fill);
  CPen pen(PS_SOLID, 0, fill);
  CBrush* oldBrush = m_dc.SelectObject(&brush);
  CPen* oldPen = m_dc.SelectObject(&pen);
  m_dc.Rectangle(0, 0, width, height);
  m_dc.SelectObject(oldPen);
  m_dc.SelectObject(oldBrush);
}

TestCanvas::~TestCanvas() { m_dc.SelectObject(m_previous); }

int TestCanvas::Count(COLORREF color) const { return CountColor(Pixels(), color); }

std::string TestCanvas::Picture(COLORREF color) const {
  std::string picture;
  for (int y = 0; y < Pixels().Height(); ++y) {
    for (int x = 0; x < Pixels().Width(); ++x) picture += Pixels().Pixel(x, y) == color ? '#' : '.';
    picture += '\n';
  }
  return picture;
}

std::string RectanglePicture(int width, int height, const RECT& inside) {
  std::string picture;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture += (x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom) ? '#' : '.';
    }
    picture += '\n';
  }
  return picture;
}

int CountColor(const Surface& surface, COLORREF color) {
  int count = 0;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) count += surface.Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

CRect Touched(const Surface& surface, COLORREF background) {
  CRect touched(surface.Width(), surface.Height(), 0, 0);
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      if (surface.Pixel(x, y) == background) continue;
      touched = CRect(std::min<LONG>(touched.left, x), std::min<LONG>(touched.top, y),
                      std::max<LONG>(touched.right, x + 1), std::max<LONG>(touched.bottom, y + 1));
    }
  }
  return touched;
}

COLORREF SeenThroughIcon(const Icon& icon, int x, int y, COLORREF background) {
  const int width = icon.image.Width();
  const bool inside = x >= 0 && x < width && y >= 0 && y < icon.image.Height();
  return inside && icon.opaque[static_cast<std::size_t>(y * width + x)] ? icon.image.Pixel(x, y) : background;
}
