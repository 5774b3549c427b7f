// The shapes of a device context: outline in the selected pen, interior in the brush.
#include "platform/gdi/dc_state.h"
#include "platform/gdi/raster.h"

namespace {

bool HasOutline(const CPen* pen) { return pen->Style() != PS_NULL; }

// Without an outline the platform fills one pixel less to the right and at the bottom.
RECT ShrunkForMissingOutline(const RECT& box, const CPen* pen) {
  if (HasOutline(pen)) return box;
  return RECT{box.left, box.top, box.right - 1, box.bottom - 1};
}

void PaintConvex(const Canvas& canvas, const std::vector<Span>& spans, const CPen* pen, const CBrush* brush) {
  if (!HasOutline(pen)) {
    for (const Span& s : spans) canvas.FillSpan(s.y, s.x0, s.x1, brush->Color());
  } else if (pen->Color() == brush->Color()) {
    for (const Span& s : spans) canvas.FillSpan(s.y, s.x0, s.x1, pen->Color());
  } else {
    SplitConvexRegion(
        spans, [&](const Span& s) { canvas.FillSpan(s.y, s.x0, s.x1, brush->Color()); },
        [&](const Span& s) { canvas.FillSpan(s.y, s.x0, s.x1, pen->Color()); });
  }
  canvas.surface->MarkChanged();
}

template <typename MakeSpans>
BOOL PaintShape(const Canvas& canvas, const DcSelection& selection, const RECT& box, MakeSpans makeSpans) {
  if (!canvas.IsValid()) return FALSE;
  PaintConvex(canvas, makeSpans(ShrunkForMissingOutline(box, selection.pen)), selection.pen, selection.brush);
  return TRUE;
}

// A rectangle of one colour over the whole surface, which then needs no pixels of its own.
bool FilledWhole(const Canvas& canvas, const DcSelection& selection, const RECT& box) {
  const CSize size(canvas.surface->Width(), canvas.surface->Height());
  if (canvas.clip != CRect(0, 0, size.cx, size.cy)) return false;
  if (HasOutline(selection.pen) && selection.pen->Color() != selection.brush->Color()) return false;
  CRect filled(ShrunkForMissingOutline(box, selection.pen));
  filled.OffsetRect(canvas.origin.x, canvas.origin.y);
  if (filled.left > 0 || filled.top > 0 || filled.right < size.cx || filled.bottom < size.cy) return false;
  canvas.surface->Fill(selection.brush->Color());
  return true;
}

}  // namespace

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
  const Canvas canvas = m_state->MakeCanvas();
  if (canvas.IsValid() && FilledWhole(canvas, m_state->selection, RECT{left, top, right, bottom})) return TRUE;
  return PaintShape(canvas, m_state->selection, RECT{left, top, right, bottom}, RectangleSpans);
}

BOOL CDC::Rectangle(const RECT* rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int width, int height) {
  return PaintShape(m_state->MakeCanvas(), m_state->selection, RECT{left, top, right, bottom},
                    [&](const RECT& box) { return RoundRectSpans(box, width, height); });
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
  return PaintShape(m_state->MakeCanvas(), m_state->selection, RECT{left, top, right, bottom}, EllipseSpans);
}

BOOL CDC::Ellipse(const RECT* rect) { return Ellipse(rect->left, rect->top, rect->right, rect->bottom); }

BOOL CDC::Polygon(const POINT* points, int count) {
  const Canvas canvas = m_state->MakeCanvas();
  if (!canvas.IsValid() || count < 2) return FALSE;
  for (const Span& s : PolygonSpans(points, count)) canvas.FillSpan(s.y, s.x0, s.x1, m_state->selection.brush->Color());
  const CPen* pen = m_state->selection.pen;
  if (HasOutline(pen)) {
    for (int i = 0; i < count; ++i) {
      ForEachLinePixel(points[i], points[(i + 1) % count], [&](int x, int y) { canvas.Plot(x, y, pen->Color()); });
    }
  }
  canvas.surface->MarkChanged();
  return TRUE;
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(m_state->selection.position, CPoint(x, y)); }

BOOL CDC::LineTo(int x, int y) {
  const Canvas canvas = m_state->MakeCanvas();
  const CPoint from = std::exchange(m_state->selection.position, CPoint(x, y));
  if (!canvas.IsValid()) return FALSE;
  const CPen* pen = m_state->selection.pen;
  if (HasOutline(pen)) {
    ForEachLinePixel(from, CPoint(x, y), [&](int px, int py) { canvas.Plot(px, py, pen->Color()); });
    canvas.surface->MarkChanged();
  }
  return TRUE;
}
