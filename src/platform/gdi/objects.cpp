#include "platform/gdi/dc_state.h"

BOOL CGdiObject::DeleteObject() {
  if (!m_created) return FALSE;
  m_created = false;
  return TRUE;
}

BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  PLATFORM_REQUIRE(style == PS_SOLID || style == PS_NULL, "pen style");
  PLATFORM_REQUIRE(width <= 1, "pen width");
  m_style = style;
  m_color = color;
  m_created = true;
  return TRUE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
  m_color = color;
  m_created = true;
  return TRUE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
  if (width <= 0 || height <= 0) return FALSE;
  m_surface = std::make_unique<Surface>(width, height);
  m_created = true;
  return TRUE;
}

CSize CBitmap::GetSize() const { return m_surface ? CSize(m_surface->Width(), m_surface->Height()) : CSize(); }

CPen* StockPen() {
  static CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
  return &pen;
}

CBrush* StockBrush() {
  static CBrush brush(RGB(255, 255, 255));
  return &brush;
}

CBitmap* StockBitmap() {
  static CBitmap bitmap = [] {
    CBitmap b;
    b.CreateCompatibleBitmap(nullptr, 1, 1);
    return b;
  }();
  return &bitmap;
}
