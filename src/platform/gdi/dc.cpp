#include <algorithm>
#include <cstring>

#include "platform/gdi/dc_state.h"

void Canvas::FillSpan(int y, int x0, int x1, COLORREF color) const {
  const int sy = y + origin.y;
  if (sy < clip.top || sy >= clip.bottom) return;
  const int left = std::max<int>(x0 + origin.x, clip.left);
  const int right = std::min<int>(x1 + origin.x, clip.right);
  if (left >= right) return;
  std::fill(surface->Row(sy) + left, surface->Row(sy) + right, color);
}

void Canvas::Plot(int x, int y, COLORREF color) const {
  const int sx = x + origin.x;
  const int sy = y + origin.y;
  if (sx < clip.left || sx >= clip.right || sy < clip.top || sy >= clip.bottom) return;
  surface->Row(sy)[sx] = color;
}

Canvas CDC::State::MakeCanvas() const {
  Canvas canvas;
  if (kind == Kind::Window) {
    canvas.surface = windowSurface;
    canvas.origin = windowOrigin;
    canvas.clip = windowClip;
  } else if (kind == Kind::Memory && selection.bitmap != nullptr) {
    canvas.surface = selection.bitmap->GetSurface();
  }
  if (canvas.surface == nullptr) return Canvas{};
  canvas.clip = (kind == Kind::Window ? canvas.clip : CRect(0, 0, canvas.surface->Width(), canvas.surface->Height()))
                    .Intersect(CRect(0, 0, canvas.surface->Width(), canvas.surface->Height()));
  return canvas;
}

CDC::CDC() : m_state(std::make_unique<State>()) {
  m_state->selection.pen = StockPen();
  m_state->selection.brush = StockBrush();
}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*) {
  m_state->kind = State::Kind::Memory;
  m_state->selection.bitmap = StockBitmap();
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (m_state->kind == State::Kind::Unset) return FALSE;
  *m_state = State{};
  m_state->selection.pen = StockPen();
  m_state->selection.brush = StockBrush();
  return TRUE;
}

void CDC::AttachSurface(Surface* surface, POINT origin, const RECT& clip) {
  m_state->kind = State::Kind::Window;
  m_state->windowSurface = surface;
  m_state->windowOrigin = origin;
  m_state->windowClip = clip;
}

Surface* CDC::GetTargetSurface() const { return m_state->MakeCanvas().surface; }

CPen* CDC::SelectObject(CPen* pen) {
  if (pen == nullptr) return nullptr;
  return std::exchange(m_state->selection.pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
  if (brush == nullptr) return nullptr;
  return std::exchange(m_state->selection.brush, brush);
}

CFont* CDC::SelectObject(CFont* font) {
  // A font that could not be made is refused, and the context keeps the font it had.
  if (font == nullptr || font->Face() == nullptr) return nullptr;
  CFont* previous = GetCurrentFont();
  m_state->selection.font = font;
  return previous;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  if (bitmap == nullptr || m_state->kind != State::Kind::Memory) return nullptr;
  return std::exchange(m_state->selection.bitmap, bitmap);
}

CPen* CDC::GetCurrentPen() const { return m_state->selection.pen; }
CBrush* CDC::GetCurrentBrush() const { return m_state->selection.brush; }
CFont* CDC::GetCurrentFont() const {
  return m_state->selection.font != nullptr ? m_state->selection.font : StockFont();
}
CBitmap* CDC::GetCurrentBitmap() const { return m_state->selection.bitmap; }

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_state->selection.textColor, color); }
COLORREF CDC::GetTextColor() const { return m_state->selection.textColor; }
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(m_state->selection.bkColor, color); }
COLORREF CDC::GetBkColor() const { return m_state->selection.bkColor; }

int CDC::SetBkMode(int mode) {
  PLATFORM_REQUIRE(mode == OPAQUE || mode == TRANSPARENT, "background mode");
  return std::exchange(m_state->selection.bkMode, mode);
}

int CDC::GetBkMode() const { return m_state->selection.bkMode; }

int CDC::SaveDC() {
  m_state->saved.push_back(m_state->selection);
  return static_cast<int>(m_state->saved.size());
}

BOOL CDC::RestoreDC(int savedState) {
  const int count = static_cast<int>(m_state->saved.size());
  const int level = savedState < 0 ? count + 1 + savedState : savedState;
  if (level < 1 || level > count) return FALSE;
  m_state->selection = m_state->saved[static_cast<std::size_t>(level - 1)];
  m_state->saved.resize(static_cast<std::size_t>(level - 1));
  return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
  const Canvas canvas = m_state->MakeCanvas();
  if (!canvas.IsValid()) return static_cast<COLORREF>(-1);
  canvas.Plot(x, y, color);
  canvas.surface->MarkChanged();
  return color;
}

COLORREF CDC::GetPixel(int x, int y) const {
  const Canvas canvas = m_state->MakeCanvas();
  const CPoint p(x + canvas.origin.x, y + canvas.origin.y);
  if (!canvas.IsValid() || !canvas.clip.PtInRect(p)) return static_cast<COLORREF>(-1);
  return canvas.surface->Pixel(p.x, p.y);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop) {
  PLATFORM_REQUIRE(rop == SRCCOPY, "raster operation");
  const Canvas target = m_state->MakeCanvas();
  const Canvas from = source != nullptr ? source->m_state->MakeCanvas() : Canvas{};
  if (!target.IsValid() || !from.IsValid()) return FALSE;
  // Work in target surface coordinates; the source block sits at a fixed offset from it.
  const int dx = (xSource + from.origin.x) - (x + target.origin.x);
  const int dy = (ySource + from.origin.y) - (y + target.origin.y);
  CRect area(x + target.origin.x, y + target.origin.y, x + target.origin.x + width, y + target.origin.y + height);
  CRect sourceClip = from.clip;
  sourceClip.OffsetRect(-dx, -dy);
  area = area.Intersect(target.clip).Intersect(sourceClip);
  if (area.IsRectEmpty()) return TRUE;
  const std::size_t rowBytes = static_cast<std::size_t>(area.Width()) * sizeof(COLORREF);
  // Within one surface, a block moving down is copied from its bottom row up.
  const bool bottomUp = from.surface == target.surface && dy < 0;
  for (int i = 0; i < area.Height(); ++i) {
    const int row = bottomUp ? area.bottom - 1 - i : area.top + i;
    std::memmove(target.surface->Row(row) + area.left, from.surface->Row(row + dy) + area.left + dx, rowBytes);
  }
  target.surface->MarkChanged();
  return TRUE;
}
