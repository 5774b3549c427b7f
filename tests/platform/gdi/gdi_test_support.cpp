#include "gdi_test_support.h"

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

int TestCanvas::Count(COLORREF color) const {
  int count = 0;
  for (int y = 0; y < Pixels().Height(); ++y) {
    for (int x = 0; x < Pixels().Width(); ++x) count += Pixels().Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

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
