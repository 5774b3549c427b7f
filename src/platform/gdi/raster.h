#pragma once
// The pixel extents of the shapes, as rows of horizontal spans. Each function works on
// logical coordinates and knows nothing of surfaces or selected objects.
#include <functional>
#include <vector>

#include "platform/core/win_types.h"

struct Span {
  int y;
  int x0;  // first pixel
  int x1;  // one past the last pixel
};

// One span per row from top to bottom - 1 of the ellipse inscribed in the box, whose
// extremes lie on the box's left and top edges and on right - 1 and bottom - 1.
std::vector<Span> EllipseSpans(const RECT& box);

// The rectangle with each corner cut by a quarter of a corner-width by corner-height ellipse.
std::vector<Span> RoundRectSpans(const RECT& box, int cornerWidth, int cornerHeight);

std::vector<Span> RectangleSpans(const RECT& box);

// Pixels whose centres lie inside the polygon under the alternate (even-odd) rule, taking
// points on left and top edges and leaving those on right and bottom edges.
std::vector<Span> PolygonSpans(const POINT* points, int count);

// Every pixel of a line from one point towards another, the end point itself left out.
void ForEachLinePixel(POINT from, POINT to, const std::function<void(int, int)>& plot);

// Calls inner for the pixels of a convex region (one span per row, top to bottom) that have
// all four neighbours inside it, and edge for the others.
void SplitConvexRegion(const std::vector<Span>& spans, const std::function<void(const Span&)>& inner,
                       const std::function<void(const Span&)>& edge);
