#include "platform/gdi/raster.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

RECT Normalized(const RECT& r) {
  return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

// Distance from an ellipse's centre to its curve at offset d along the other axis.
double HalfChord(double radius, double otherRadius, double d) {
  const double ratio = otherRadius > 0 ? d / otherRadius : 0.0;
  return radius * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
}

}  // namespace

std::vector<Span> EllipseSpans(const RECT& rawBox) {
  const RECT box = Normalized(rawBox);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return {};
  // The curve runs through the centres of the extreme pixels. Sampling it once per row and
  // once per column, rounding towards the centre, gives an unbroken outline at any slope.
  const double cx = box.left + (width - 1) / 2.0;
  const double cy = box.top + (height - 1) / 2.0;
  const double rx = (width - 1) / 2.0;
  const double ry = (height - 1) / 2.0;
  std::vector<int> lo(static_cast<std::size_t>(height), INT_MAX);
  std::vector<int> hi(static_cast<std::size_t>(height), INT_MIN);
  auto include = [&](int y, int x) {
    const auto row = static_cast<std::size_t>(y - box.top);
    lo[row] = std::min(lo[row], x);
    hi[row] = std::max(hi[row], x);
  };
  for (int y = box.top; y < box.bottom; ++y) {
    const double half = HalfChord(rx, ry, y - cy);
    include(y, static_cast<int>(std::floor(cx - half + 0.5)));
    include(y, static_cast<int>(std::ceil(cx + half - 0.5)));
  }
  for (int x = box.left; x < box.right; ++x) {
    const double half = HalfChord(ry, rx, x - cx);
    include(std::clamp(static_cast<int>(std::floor(cy - half + 0.5)), box.top, box.bottom - 1), x);
    include(std::clamp(static_cast<int>(std::ceil(cy + half - 0.5)), box.top, box.bottom - 1), x);
  }
  std::vector<Span> spans;
  spans.reserve(static_cast<std::size_t>(height));
  for (int row = 0; row < height; ++row) {
    spans.push_back(Span{box.top + row, lo[static_cast<std::size_t>(row)], hi[static_cast<std::size_t>(row)] + 1});
  }
  return spans;
}

std::vector<Span> RectangleSpans(const RECT& rawBox) {
  const RECT box = Normalized(rawBox);
  std::vector<Span> spans;
  if (box.right <= box.left) return spans;
  for (int y = box.top; y < box.bottom; ++y) spans.push_back(Span{y, box.left, box.right});
  return spans;
}

std::vector<Span> RoundRectSpans(const RECT& rawBox, int cornerWidth, int cornerHeight) {
  const RECT box = Normalized(rawBox);
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  const int cw = std::clamp(std::abs(cornerWidth), 0, width);
  const int ch = std::clamp(std::abs(cornerHeight), 0, height);
  if (cw < 2 || ch < 2) return RectangleSpans(box);
  const std::vector<Span> corner = EllipseSpans(RECT{0, 0, cw, ch});
  std::vector<Span> spans = RectangleSpans(box);
  for (Span& span : spans) {
    const int fromTop = span.y - box.top;
    const int fromBottom = box.bottom - 1 - span.y;
    int row = -1;
    if (2 * fromTop <= ch - 1) {
      row = fromTop;
    } else if (2 * fromBottom <= ch - 1) {
      row = ch - 1 - fromBottom;
    }
    if (row < 0) continue;
    const Span& c = corner[static_cast<std::size_t>(row)];
    span.x0 = box.left + c.x0;
    span.x1 = box.right - cw + c.x1;
  }
  return spans;
}

std::vector<Span> PolygonSpans(const POINT* points, int count) {
  std::vector<Span> spans;
  if (count < 3) return spans;
  int top = INT_MAX;
  int bottom = INT_MIN;
  for (int i = 0; i < count; ++i) {
    top = std::min<int>(top, points[i].y);
    bottom = std::max<int>(bottom, points[i].y);
  }
  std::vector<double> crossings;
  for (int y = top; y < bottom; ++y) {
    crossings.clear();
    for (int i = 0; i < count; ++i) {
      const POINT& a = points[i];
      const POINT& b = points[(i + 1) % count];
      if (a.y == b.y) continue;
      if (y < std::min(a.y, b.y) || y >= std::max(a.y, b.y)) continue;
      crossings.push_back(a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int x0 = static_cast<int>(std::ceil(crossings[i]));
      const int x1 = static_cast<int>(std::ceil(crossings[i + 1]));
      if (x0 < x1) spans.push_back(Span{y, x0, x1});
    }
  }
  return spans;
}

void ForEachLinePixel(POINT from, POINT to, const std::function<void(int, int)>& plot) {
  const int dx = std::abs(to.x - from.x);
  const int dy = std::abs(to.y - from.y);
  const int sx = to.x >= from.x ? 1 : -1;
  const int sy = to.y >= from.y ? 1 : -1;
  const bool xMajor = dx >= dy;
  const int major = xMajor ? dx : dy;
  const int minor = xMajor ? dy : dx;
  int x = from.x;
  int y = from.y;
  // Bresenham: the error counts twice the distance past the pixel centre on the minor axis.
  int error = 2 * minor - major;
  for (int step = 0; step < major; ++step) {
    plot(x, y);
    if (error > 0) {
      if (xMajor) {
        y += sy;
      } else {
        x += sx;
      }
      error -= 2 * major;
    }
    error += 2 * minor;
    if (xMajor) {
      x += sx;
    } else {
      y += sy;
    }
  }
}

void SplitConvexRegion(const std::vector<Span>& spans, const std::function<void(const Span&)>& inner,
                       const std::function<void(const Span&)>& edge) {
  for (std::size_t i = 0; i < spans.size(); ++i) {
    const Span& span = spans[i];
    int x0 = span.x0 + 1;
    int x1 = span.x1 - 1;
    if (i == 0 || i + 1 == spans.size()) {
      x1 = x0;
    } else {
      x0 = std::max({x0, spans[i - 1].x0, spans[i + 1].x0});
      x1 = std::min({x1, spans[i - 1].x1, spans[i + 1].x1});
    }
    if (x0 >= x1) {
      edge(span);
      continue;
    }
    if (span.x0 < x0) edge(Span{span.y, span.x0, x0});
    inner(Span{span.y, x0, x1});
    if (x1 < span.x1) edge(Span{span.y, x1, span.x1});
  }
}
